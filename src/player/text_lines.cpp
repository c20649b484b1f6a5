#include "player/text_lines.h"

#include <fstream>
#include <sstream>

#include "base/int_text.h"
#include "player/cp932.h"

namespace kestra {

namespace {

// "file, line N: what" as the player reads it.
std::string Describe(const std::string& file, int line, const std::string& what) {
    if (line <= 0) return file + ": " + what;
    return file + " " + std::to_string(line) + "行目: " + what;
}

}  // namespace

DataFileError::DataFileError(std::string file, int line, const std::string& what)
    : std::runtime_error(Describe(file, line, what)), file_(std::move(file)), line_(line) {}

LineReader::LineReader(const std::filesystem::path& path) : name_(path.filename().string()) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DataFileError(name_, 0, "ファイルが見つかりません");
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) throw DataFileError(name_, 0, "ファイルを読めません");
    Split(ss.str());
}

LineReader::LineReader(std::string display_name, const std::string& bytes) : name_(std::move(display_name)) {
    Split(bytes);
}

void LineReader::Split(const std::string& bytes) {
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(std::move(line));
        pos = end + 1;
    }
}

const std::string& LineReader::Raw() {
    if (static_cast<size_t>(next_) >= lines_.size())
        throw DataFileError(name_, next_ + 1, "ファイルが途中で終わっています");
    return lines_[next_++];
}

int32_t LineReader::Int() {
    const std::string& raw = Raw();
    const auto value = ParseInt32(raw);
    if (!value) throw DataFileError(name_, next_, "数値ではありません");
    return *value;
}

std::string LineReader::Text() {
    const std::string& raw = Raw();
    auto utf8 = Cp932ToUtf8(raw);
    if (!utf8) throw DataFileError(name_, next_, "文字コードが正しくありません");
    return *utf8;
}

void LineWriter::Int(int32_t value) {
    bytes_ += std::to_string(value);
    bytes_ += "\r\n";
    ++lines_;
}

bool LineWriter::Text(const std::string& utf8) {
    auto cp = Utf8ToCp932(utf8);
    if (!cp) return false;
    bytes_ += *cp;
    bytes_ += "\r\n";
    ++lines_;
    return true;
}

}  // namespace kestra
