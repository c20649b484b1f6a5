// KESTRA 天: program start.
#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <chrono>
#include <filesystem>

#include "app/main_window.h"
#include "app/start_up.h"

namespace {

// The game folder is the folder that holds this program.
std::filesystem::path ProgramFolder() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8("KESTRA 天"));
    QApplication::setFont(QFont(QString::fromUtf8("IPAPGothic"), 9));
    const kestra::GameFolder folder{ProgramFolder()};
    kestra::Rng rng(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    kestra::StartUpResult started = kestra::StartUp(folder, rng);
    if (!started.game) {
        QMessageBox::critical(nullptr, QString::fromUtf8("KESTRA 天"), QString::fromStdString(started.error));
        return 1;
    }
    kestra::MainWindow window(folder, std::move(*started.game));
    window.show();
    return QApplication::exec();
}
