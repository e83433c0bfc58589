#pragma once

#include <QDomNode>
#include <QStringList>

// The elements below pParent as lines "name: text" for elements without
// children and "name" for the others, children indented by two blanks,
// attributes in brackets sorted by name: the DOM keeps no attribute order, so
// written documents are compared by their outline.
QStringList domOutline(const QDomNode& pParent);
