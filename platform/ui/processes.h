#pragma once
// The process seam: starting another program and waiting for it, or handing a file to the desktop.
#include <QString>
#include <QStringList>

namespace platform {

class Processes {
public:
    virtual ~Processes() = default;
    // Starts program and waits for its end without a time limit, keeping the windows painted and
    // their input blocked. False when the program could not be started.
    virtual bool startAndWait(const QString& program, const QStringList& arguments) = 0;
    // Starts program and returns at once. False when it could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

Processes& processes();
// Installs p (not owned; nullptr restores the real one). Returns the previous one.
Processes* setProcesses(Processes* p);

} // namespace platform
