#include "CvViewerLaunch.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "CvRegistry.h"

std::string ViewerGroup(const std::string& pageArgument) {
    const std::size_t underscore = pageArgument.find('_');
    if (pageArgument.size() < 3 || underscore == std::string::npos || underscore < 2) {
        return pageArgument.size() > 2 ? pageArgument.substr(2) : std::string();
    }
    return pageArgument.substr(2, underscore - 2);
}

std::string ViewerCommandLine(const CvLaunchTexts& t, const CvLaunchFlags& f, int snmpVersion,
                              const std::string& pageArgument) {
    std::string line = ViewerGroup(pageArgument) + " /I" + t.FDeviceAddress + " /R" +
                       t.FReadCommunity + " /W" + t.FWriteCommunity + " " + pageArgument;
    if ((f.CfgFileFound && t.FVersionText == "3") || snmpVersion == 3) {
        line += " /t" + t.FAgentPortText + " /v" + t.FVersionText + " /d" + t.FContextEngineIdText +
                " /m" + t.FSecurityModelText + " /n" + t.FSecurityNameText;
        if (f.ContextNameGiven && !t.FContextNameText.empty()) {
            line += " /c" + t.FContextNameText;
        }
        if (f.SecurityLevelGiven && !t.FSecurityLevelText.empty()) {
            line += " /l" + t.FSecurityLevelText;
        }
        if (f.AuthProtocolGiven && !t.FAuthProtocolText.empty()) {
            line += " /a" + t.FAuthProtocolText;
        }
        if (f.AuthPasswordGiven) {
            line += " /A" + t.FAuthPasswordText;
        }
        if (f.PrivProtocolGiven && !t.FPrivProtocolText.empty()) {
            line += " /p" + t.FPrivProtocolText;
        }
        if (f.PrivPasswordGiven) {
            line += " /P" + t.FPrivPasswordText;
        }
    }
    return line;
}

std::string ViewerHostCheck(const CvRegistry& registry) {
    const char kAppPaths[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
    if (registry.KeyExists(std::string(kAppPaths) + "quillon51.exe") ||
        registry.KeyExists(std::string(kAppPaths) + "quillon5.exe")) {
        return "";
    }
    const char kOpenView[] = "\\SOFTWARE\\Hewlett-Packard\\OpenView";
    if (!registry.KeyExists(kOpenView)) {
        return "No Path!";
    }
    return registry.ReadString(kOpenView, "OV_PATH").empty() ? "OpenView : File Path Error!" : "";
}

bool StartViewer(const std::string& commandLine, const std::string& moduleFolder) {
    QStringList words = QString::fromStdString(commandLine).split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        return false;
    }
    const QString name = words.takeFirst();
    QString program;
    if (!moduleFolder.empty()) {
        program = QStandardPaths::findExecutable(name, {QString::fromStdString(moduleFolder)});
    }
    if (program.isEmpty()) {
        program = QStandardPaths::findExecutable(name);
    }
    return !program.isEmpty() && QProcess::startDetached(program, words);
}
