// SPDX-License-Identifier: MIT
#include "launcher/QtProcessStarter.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace qv {

bool QtProcessStarter::start(const StartRequest& request) {
    QStringList arguments;
    for (const std::string& argument : request.arguments) {
        arguments << QString::fromStdString(argument);
    }
    return QProcess::startDetached(QString::fromStdString(request.program.string()), arguments,
                                   QString::fromStdString(request.workingFolder.string()));
}

} // namespace qv
