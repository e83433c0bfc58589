#pragma once

#include "probe.h"

#include <QStringList>
#include <QVariant>

#include <memory>

// Sample probes of every class for the probe tests, each field holding a value
// of its own so that a field that goes astray shows, and a field-by-field
// comparison for round trips through the probe's stored forms.
namespace TestProbes
{
// A Pt100, four-wire, with Callendar-Van Dusen and ITS-90 coefficients set.
std::unique_ptr<TPRTProbe> prt(Probe_enums::EnConvPRT pConversion = Probe_enums::cprtCVD);
// The same as another probe of the database: under a number and name of its own.
std::unique_ptr<TPRTProbe> prt(int pNumber, const QString& pName);
std::unique_ptr<TSmartProbePRT> smart(Probe_enums::EnConvPRT pConversion = Probe_enums::cprtITS90);
// A type K thermocouple with all eighteen polynomial values set.
std::unique_ptr<TTCProbe> thermocouple(Probe_enums::EnConvTC pConversion = Probe_enums::ctcPolynomial);
std::unique_ptr<TThermistorProbe> thermistor(Probe_enums::EnConvThermistor pConversion = Probe_enums::cthSteinhartHart);

// The value of the field with the accessor's name ("class" for the class
// name); numbers come as double, a field the class does not have as null.
QVariant field(const TAbstractProbe& pProbe, const QString& pName);

// The names of the fields in which the two probes differ ("class" when they
// are of different classes); numbers compare exactly, NaN equal to NaN.
QStringList differingFields(const TAbstractProbe& pA, const TAbstractProbe& pB);

// The outline (domOutline) of the fragment the probe writes of itself; a
// stored copy writes the same.
QStringList writtenFragment(const TAbstractProbe& pProbe);
} // namespace TestProbes
