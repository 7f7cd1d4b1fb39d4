#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// What one benchmark case measured. A case that finds a wrong result sets
// `failure`, and novedabench exits non-zero.
struct BenchResult {
    std::uint64_t bytes = 0;
    double seconds = 0;
    double perOpUs = -1; // set by cases that time single operations
    std::string extra;   // more figures, "name=value" separated by blanks
    std::string failure;
};

struct BenchCase {
    const char* name;
    const char* usage;
    BenchResult (*run)(const std::string& file, const std::vector<std::string>& args);
};

std::vector<BenchCase> DocumentCases();
std::vector<BenchCase> HighlightCases();
std::vector<BenchCase> SearchCases();
std::vector<BenchCase> ViewCases();

// Helpers shared by the cases.
class CTextDoc;
class PosixFileSystem;
std::string ReadWholeFile(const std::string& path);
std::uint64_t FileSize(const std::string& path);
// A document holding the file, opened as the editor opens it, with default
// settings.
std::unique_ptr<CTextDoc> OpenedDocument(const std::string& file, PosixFileSystem& fs);
double SecondsSince(std::uint64_t startNanoseconds);
std::uint64_t NowNanoseconds();
