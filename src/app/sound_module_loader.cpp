#include "app/sound_module_loader.h"

#include <QLibrary>

namespace kestra {

std::unique_ptr<Audio> LoadSoundModule(const std::filesystem::path& program_folder, const std::filesystem::path& dat_folder) {
    using Make = Audio* (*)(const char*);
    QLibrary module(QString::fromStdU16String((program_folder / "kestra_sound").u16string()));
    const auto make = reinterpret_cast<Make>(module.resolve("kestra_make_sound"));
    if (!make) return nullptr;
    return std::unique_ptr<Audio>(make(dat_folder.string().c_str()));  // the module stays loaded for the run
}

}  // namespace kestra
