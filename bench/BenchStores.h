#pragma once

#include <filesystem>
#include <string>

// The stores the benchmarks run on. The program finds its store as CodeData
// beside its executable, so each store is made beside the benchmark under a
// name of its own, once, and is CodeData only while a benchmark runs on it.
namespace bench {

namespace fs = std::filesystem;

// The folder the running benchmark lies in, which the program takes as its own.
fs::path benchmarkFolder();

// The large note: C code with Chinese comments, 10 MiB of GBK, and the same text in UTF-8.
const std::string& largeNoteGbk();
const std::string& largeNoteUtf8();

// A store of 100 categories with the notes spread evenly over them, each a
// few hundred bytes to a few KB of GBK. A store made by an earlier run is reused.
fs::path storeOfNotes(int notes);

// A store with one category that holds the large note and a small one.
struct LargeNoteStore {
    fs::path root;
    std::string category;  // names in UTF-8, as the tree shows them
    std::string largeNote;
    std::string smallNote;
    // Where the large note's file is while the store is at the given root.
    fs::path largeNoteFile(const fs::path& shownRoot) const;
};
const LargeNoteStore& largeNoteStore();

// The store is the program's CodeData while this lives.
class ShownStore {
public:
    explicit ShownStore(const fs::path& store);
    ~ShownStore();
    // The root while the store is shown.
    static fs::path root();
    ShownStore(const ShownStore&) = delete;
    ShownStore& operator=(const ShownStore&) = delete;

private:
    fs::path m_store;
};

}  // namespace bench
