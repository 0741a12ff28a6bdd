#include "ui/Modals.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <optional>

#include "tests/ui/FakeModals.h"

namespace {

const QString kFilter = QStringLiteral("Baldur's Gate INI|Baldur.ini");

TEST(FileOpenDialog, KeepsTheLastChosenFileForTheNextShowing) {
    FakeModals modals;
    FileOpenDialog OP;
    OP.Filter = kFilter;
    OP.InitialDir = QStringLiteral("C:\\Program Files\\Baldur's Gate\\Baldur.ini");

    modals.openFileAnswer = QStringLiteral("E:\\Hry\\BG\\Baldur.ini");
    EXPECT_TRUE(OP.Execute(modals));
    EXPECT_EQ(OP.FileName, QStringLiteral("E:\\Hry\\BG\\Baldur.ini"));

    modals.openFileAnswer.reset();
    OP.InitialDir = QStringLiteral("D:\\Jinde");
    EXPECT_FALSE(OP.Execute(modals));
    EXPECT_EQ(OP.FileName, QStringLiteral("E:\\Hry\\BG\\Baldur.ini")) << "a cancel keeps it";

    ASSERT_EQ(modals.openFileRequests.size(), 2U);
    EXPECT_EQ(modals.openFileRequests[0].initialFolder,
              QStringLiteral("C:\\Program Files\\Baldur's Gate\\Baldur.ini"));
    EXPECT_EQ(modals.openFileRequests[0].filter, kFilter);
    EXPECT_EQ(modals.openFileRequests[0].fileName, QString());
    EXPECT_EQ(modals.openFileRequests[1].initialFolder, QStringLiteral("D:\\Jinde"));
    EXPECT_EQ(modals.openFileRequests[1].fileName, QStringLiteral("E:\\Hry\\BG\\Baldur.ini"));
}

// A Wine prefix whose drive e: is a temporary folder holding "Hry\Baldur.ini".
class FileDialogTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(prefix.isValid() && drive.isValid());
        savedPrefix = qgetenv("WINEPREFIX");
        hadPrefix = qEnvironmentVariableIsSet("WINEPREFIX");
        qputenv("WINEPREFIX", prefix.path().toLocal8Bit());
        std::filesystem::create_directory(prefix.path().toStdString() + "/dosdevices");
        std::filesystem::create_directory_symlink(drive.path().toStdString(),
                                                  prefix.path().toStdString() + "/dosdevices/e:");
        ASSERT_TRUE(QDir(drive.path()).mkpath(QStringLiteral("Hry")));
        QFile ini(drive.filePath(QStringLiteral("Hry/Baldur.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    }
    void TearDown() override {
        if (hadPrefix) {
            qputenv("WINEPREFIX", savedPrefix);
        } else {
            qunsetenv("WINEPREFIX");
        }
    }

    // Shows the real dialog for the request; `answer` works it once it is up.
    std::optional<QString> Open(const FileOpenRequest& request,
                                std::function<void(QFileDialog&)> answer) {
        QObject context;
        std::function<void()> poll = [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) {
                QTimer::singleShot(10, &context, poll);
                return;
            }
            shownFolder = QDir(dialog->directory()).canonicalPath();
            shownFilters = dialog->nameFilters();
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                shownName = name->text();
            }
            answer(*dialog);
        };
        QTimer::singleShot(0, &context, poll);
        return QtModals().OpenFile(request);
    }

    QString HryFolder() const {
        return QDir(drive.filePath(QStringLiteral("Hry"))).canonicalPath();
    }

    QTemporaryDir prefix;
    QTemporaryDir drive;
    QByteArray savedPrefix;
    bool hadPrefix = false;
    QString shownFolder;
    QStringList shownFilters;
    QString shownName;
};

void TypeAndConfirm(QFileDialog& dialog, const QString& name) {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

TEST_F(FileDialogTest, StartsInTheFolderOfTheGivenFileAndGivesTheChosenPathInWindowsForm) {
    const auto chosen = Open({QStringLiteral("E:\\Hry\\Baldur.ini"), kFilter, QString()},
                             [](QFileDialog& dialog) { TypeAndConfirm(dialog, "Nový.ini"); });
    EXPECT_EQ(shownFolder, HryFolder());
    EXPECT_EQ(shownFilters, QStringList({"Baldur's Gate INI (Baldur.ini)"}));
    EXPECT_EQ(shownName, QString());
    // The file need not exist.
    EXPECT_EQ(chosen, std::optional<QString>(QStringLiteral("E:\\Hry\\Nový.ini")));
}

TEST_F(FileDialogTest, TheFileNameBoxHoldsTheLastChosenFile) {
    const auto chosen =
        Open({QStringLiteral("E:\\"), kFilter, QStringLiteral("e:\\hry\\baldur.ini")},
             [](QFileDialog& dialog) {
                 auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
                 QTest::keyClick(edit, Qt::Key_Return);
             });
    EXPECT_EQ(shownFolder, HryFolder());
    EXPECT_EQ(shownName, QStringLiteral("Baldur.ini"));
    EXPECT_EQ(chosen, std::optional<QString>(QStringLiteral("E:\\Hry\\Baldur.ini")));
}

TEST_F(FileDialogTest, CancelGivesNothing) {
    const auto chosen = Open({QStringLiteral("E:\\Hry"), kFilter, QString()},
                             [](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(shownFolder, HryFolder());
    EXPECT_EQ(chosen, std::nullopt);
}

}  // namespace
