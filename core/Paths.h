#pragma once
// Where the program finds its files and writes its records.

#include <QString>

namespace dalto {

class Paths {
public:
    Paths(QString programFolder, QString configFile, QString workingFolder);

    // Resolves the folders for a running program: programDirOverride and
    // configOverride come from the command line and may be empty.
    static Paths resolve(const QString& executableFolder, const QString& programDirOverride,
                         const QString& configOverride);

    const QString& programFolder() const { return programFolder_; }
    const QString& configFile() const { return configFile_; }
    const QString& workingFolder() const { return workingFolder_; }
    QString inProgramFolder(const QString& fileName) const;
    QString debugLogFile() const;

private:
    QString programFolder_;
    QString configFile_;
    QString workingFolder_;
};

} // namespace dalto
