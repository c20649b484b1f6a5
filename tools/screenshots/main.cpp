// kestra-screenshots OUT_DIR: stages the real windows on a sample player and saves one PNG per
// registered shot. Run it under a display (tools/screenshots/take uses Xvfb).
#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QWidget>
#include <cstdio>
#include <filesystem>

#include "app/dialogs.h"
#include "sample_game.h"
#include "shot_list.h"

namespace kestra::shots {

QImage Capture(QWidget& window) {
    window.show();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return window.grab().toImage();
}

}  // namespace kestra::shots

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    kestra::InstallJapaneseTranslations(app);  // as the game does
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestra-screenshots OUT_DIR\n");
        return 2;
    }
    const std::filesystem::path out(argv[1]);
    std::filesystem::create_directories(out);
    std::vector<kestra::shots::Shot> shots;
    kestra::shots::AddMainShots(shots);
    kestra::shots::AddDuelShots(shots);
    int failed = 0;
    for (const kestra::shots::Shot& shot : shots) {
        kestra::shots::SampleGame game(KESTRA_BUILT_GAME_DIR);
        const QImage picture = shot.take(game);
        const std::filesystem::path file = out / (shot.name + ".png");
        const bool saved = !picture.isNull() && picture.save(QString::fromStdString(file.string()), "PNG");
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", file.string().c_str());
        failed += saved ? 0 : 1;
    }
    return failed == 0 ? 0 : 1;
}
