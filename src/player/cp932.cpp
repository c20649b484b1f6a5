#include "player/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace kestra {

namespace {

// One whole conversion through iconv; any invalid or unconvertible input fails.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in) {
    if (in.empty()) return std::string();
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::vector<char> src(in.begin(), in.end());
    std::string out;
    std::vector<char> buf(in.size() * 4 + 16);
    char* inp = src.data();
    size_t inleft = src.size();
    bool ok = true;
    while (inleft > 0) {
        char* outp = buf.data();
        size_t outleft = buf.size();
        const size_t r = iconv(cd, &inp, &inleft, &outp, &outleft);
        out.append(buf.data(), buf.size() - outleft);
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
        if (r != static_cast<size_t>(-1) && r > 0) {
            ok = false;  // iconv replaced something irreversibly
            break;
        }
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) { return Convert("CP932", "UTF-8", utf8); }

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) { return Convert("UTF-8", "CP932", cp932); }

}  // namespace kestra
