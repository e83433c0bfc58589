#pragma once

class QFile;

// Forces a written file and the directory entry that names it onto the
// storage medium, so that switching the instrument off right after a write
// keeps the file.
class TFileSystemSync
{
public:
    // True when the file (if it exists) and its directory were flushed to
    // storage. Closes the file.
    static bool sync(QFile& pFile);
};
