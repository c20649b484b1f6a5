#pragma once
// Line-oriented data files: one value per line, CR LF, CP932 texts.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestra {

// A data file that cannot be read as the game expects; names the file and the line.
class DataFileError : public std::runtime_error {
public:
    DataFileError(std::string file, int line, const std::string& what);
    const std::string& file() const { return file_; }
    int line() const { return line_; }

private:
    std::string file_;
    int line_;
};

// Reads a data file line by line; every failure is a DataFileError naming file and line.
class LineReader {
public:
    // Open and split the whole file; a missing file is an error at line 0.
    explicit LineReader(const std::filesystem::path& path);
    // Build from bytes already in memory (tests, embedded data).
    LineReader(std::string display_name, const std::string& bytes);

    // Next line as a signed 32-bit number.
    int32_t Int();
    // Next line as text, converted from CP932 to UTF-8.
    std::string Text();
    // Number of the line read last (1-based).
    int line() const { return next_; }
    size_t line_count() const { return lines_.size(); }

private:
    const std::string& Raw();
    void Split(const std::string& bytes);

    std::string name_;
    std::vector<std::string> lines_;
    int next_ = 0;
};

// Collects lines and renders them as CP932 with CR LF.
class LineWriter {
public:
    void Int(int32_t value);
    // A UTF-8 text; fails (returns false) when it has no CP932 form.
    bool Text(const std::string& utf8);
    const std::string& bytes() const { return bytes_; }
    int lines() const { return lines_; }

private:
    std::string bytes_;
    int lines_ = 0;
};

}  // namespace kestra
