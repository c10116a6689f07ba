// Sporix: identifying fungi with a multi-access key. The key lives in the working folder.
#include <QApplication>
#include <QIcon>
#include <filesystem>

#include "DialogMessages.h"
#include "KeyProgram.h"
#include "KeyWindows.h"
#include "QtPictures.h"
#include "WorkFolder.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sporix"));
    // The desktop entry's name ties the windows to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("sporix"));
    QIcon icon;
    for (const char* size : {"32", "64", "256"})
        icon.addFile(QStringLiteral(":/icons/sporix-%1.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);
    const sporix::WorkFolder folder(std::filesystem::current_path());
    sporix::DialogMessages messages;
    sporix::QtPictureLoader pictures(folder);
    sporix::KeyProgram program(folder, messages, pictures);
    sporix::KeyWindows windows(program);
    windows.showMainWindow();
    return QApplication::exec();
}
