#pragma once
#include <QString>
#include <QStringList>

namespace velto {

// Starting outside programs (the mixer).
class Shell {
public:
    virtual ~Shell() = default;
    // Full path of the program on the PATH, or "" when it is not there.
    virtual QString FindProgram(const QString& name) const = 0;
    // Starts it detached; false when it could not be started.
    virtual bool Start(const QString& program, const QStringList& args) = 0;
};

class SystemShell : public Shell {
public:
    QString FindProgram(const QString& name) const override;
    bool Start(const QString& program, const QStringList& args) override;
};

} // namespace velto
