// The services of the Linux side: a real program start, files, settings, the save dialog's
// choice, and the registry stand-in.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "qt/host_services.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_files.h"
#include "qt/qt_settings.h"

namespace torvi::qt {
namespace {

constexpr char kMsinfo[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kLocation[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

TEST(HostServices, ProgramsStartByPathWithoutAShellAndFailuresAreReported) {
    HostProgramStarter starter;
    EXPECT_TRUE(starter.fileExists("/bin/true"));
    EXPECT_FALSE(starter.fileExists("/nowhere/at/all"));
    EXPECT_FALSE(starter.fileExists("/tmp"));  // a folder is not a program file
    EXPECT_TRUE(starter.start("/bin/true"));
    EXPECT_FALSE(starter.start("/nowhere/at/all"));
    EXPECT_FALSE(starter.start("/bin/true; echo hacked"));  // no shell reads the path
}

// Files are read whole up to one byte past the limit, written whole or not at all; the settings
// land in the user's configuration folder and read back.
TEST(HostServices, FilesAndSettings) {
    QTemporaryDir folder;
    const std::string path = folder.filePath("é exercise.torvi").toStdString();
    QtFiles files;
    EXPECT_FALSE(files.read(path, 10));
    EXPECT_TRUE(files.write(path, "Torvi exercise 1\n"));
    EXPECT_EQ(files.read(path, 100), "Torvi exercise 1\n");
    EXPECT_EQ(files.read(path, 4), "Torvi");
    EXPECT_FALSE(files.write(folder.filePath("missing/x.torvi").toStdString(), "x"));
    EXPECT_EQ(files.read(path, 100), "Torvi exercise 1\n");

    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    {
        QtSettings settings;
        EXPECT_FALSE(settings.number("Zoom"));
        settings.setNumber("Zoom", 175);
    }  // written out as the program ends at the latest
    EXPECT_EQ(QtSettings().number("Zoom"), 175);
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath("Torvi/Torvi.conf")));
}

// The save dialog gives the type chosen from its filter, and a name typed without an extension
// takes that type's (an SVG drawing is not named .png because the proposed name was).
TEST(HostServices, TheSaveDialogGivesTheChosenTypeAndItsExtension) {
    QTemporaryDir folder;
    QtDialogs dialogs;
    const auto choose = [&](int type, const QString& typed) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectNameFilter(dialog->nameFilters().at(type));
            dialog->selectFile(folder.filePath(typed));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        return dialogs.chooseSaveFile("Save Graph As", "Torvi graph.png",
                                      "PNG (*.png);;SVG (*.svg);;PNG for print (*.png)");
    };
    const auto expect = [&](int type, const QString& typed, const QString& saved) {
        const std::optional<ui::FileChoice> chosen = choose(type, typed);
        ASSERT_TRUE(chosen) << typed.toStdString();
        EXPECT_EQ(chosen->path, folder.filePath(saved).toStdString());
        EXPECT_EQ(chosen->type, type) << typed.toStdString();
    };
    expect(1, "drawing", "drawing.svg");
    expect(2, "for print", "for print.png");
    expect(0, "shown.png", "shown.png");
}

TEST(HostServices, TheHostRegistryAnswersOnlyTheProgramPath) {
    HostRegistry registry;
    std::uint32_t key = 0;
    EXPECT_EQ(registry.openKey(ui::kLocalMachine, kLocation, ui::kReadAccess, key), ui::kNotFound);
    const std::string program = HostRegistry::findSystemInformationProgram();
    const long opened = registry.openKey(ui::kLocalMachine, kMsinfo, ui::kReadAccess, key);
    EXPECT_EQ(opened == ui::kSuccess, !program.empty());
}

}  // namespace
}  // namespace torvi::qt
