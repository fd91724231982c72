#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

namespace pipwick {

// The one place where Pipwick starts another process: the installer after an update, itself
// again after the screen's width changed, and the desktop's opener for the help page. Starts
// program with arguments in folder (this process's own when empty), detached from this process;
// false when it could not be started.
bool StartProgramDetached(const QString& program, const QStringList& arguments,
                          const QString& folder);
// Starts process, whose program and arguments are set, as a child whose end can be watched;
// false when it could not be started.
bool StartWatchedProcess(QProcess& process);

// From now on no process is started: StartProgramDetached hands the program to refuse and returns
// false instead. A test binary calls this first, so that a test that forgot to give its own
// starter fails rather than runs copies of the binary.
void ForbidProgramStarts(std::function<void(const QString& program)> refuse);

}  // namespace pipwick
