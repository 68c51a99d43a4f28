#include "BenchStores.h"

#include "GeneratedNotes.h"
#include "platform/TextConverter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>

namespace bench {

namespace {

constexpr int Categories = 100;
constexpr std::size_t LargeNoteBytes = 10u << 20;

[[noreturn]] void giveUp(const std::string& why)
{
    std::fprintf(stderr, "bench: %s\n", why.c_str());
    std::exit(2);
}

std::string gbk(std::string_view utf8)
{
    std::optional<std::string> converted = platform::gbkFromUtf8(utf8);
    if (!converted)
        giveUp("a generated text has no GBK form");
    return std::move(*converted);
}

void writeFile(const fs::path& path, std::string_view bytes)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || ::close(fd) != 0)
        giveUp("cannot write " + path.string());
}

// Made under a temporary name and renamed when complete, so that a store
// that is there is whole.
fs::path madeOnce(const std::string& name, const std::function<void(const fs::path&)>& fill)
{
    fs::path root = benchmarkFolder() / name;
    if (fs::exists(root))
        return root;
    fs::path partial = benchmarkFolder() / (name + ".partial");
    fs::remove_all(partial);
    fs::create_directory(partial);
    fill(partial);
    fs::rename(partial, root);
    return root;
}

void fillStore(const fs::path& root, int notes)
{
    int perCategory = notes / Categories;
    for (int category = 0; category < Categories; ++category) {
        fs::path folder = root / categoryName(category);
        fs::create_directory(folder);
        for (int note = 0; note < perCategory; ++note) {
            unsigned seed = static_cast<unsigned>(category * perCategory + note);
            // One to six functions: about 300 bytes to 4 KB.
            std::size_t size = 200 + (seed * 2654435761u >> 8) % 3500;
            writeFile(folder / (noteName(category, note) + ".txt"), gbk(cCode(size, seed)));
        }
    }
}

}  // namespace

fs::path benchmarkFolder()
{
    static const fs::path folder = fs::read_symlink("/proc/self/exe").parent_path();
    return folder;
}

const std::string& largeNoteUtf8()
{
    static const std::string text = [] {
        // Grown until its GBK form holds the whole 10 MiB, then cut at a line's end.
        std::string utf8 = cCode(LargeNoteBytes + LargeNoteBytes / 4, 10);
        std::string gbkText = gbk(utf8);
        std::size_t end = gbkText.rfind("\r\n", LargeNoteBytes);
        return platform::utf8FromGbk(std::string_view(gbkText).substr(0, end + 2)).value();
    }();
    return text;
}

const std::string& largeNoteGbk()
{
    static const std::string text = gbk(largeNoteUtf8());
    return text;
}

fs::path storeOfNotes(int notes)
{
    return madeOnce("CodeData-" + std::to_string(notes), [notes](const fs::path& root) { fillStore(root, notes); });
}

fs::path LargeNoteStore::largeNoteFile(const fs::path& shownRoot) const
{
    return shownRoot / category / (largeNote + ".txt");
}

const LargeNoteStore& largeNoteStore()
{
    static const LargeNoteStore store = [] {
        LargeNoteStore made{{}, "大文件", "巨型示例程序", "小笔记"};
        made.root = madeOnce("CodeData-large-note", [&made](const fs::path& root) {
            fs::create_directory(root / made.category);
            writeFile(root / made.category / (made.largeNote + ".txt"), largeNoteGbk());
            writeFile(root / made.category / (made.smallNote + ".txt"), gbk(cCode(600, 1)));
        });
        return made;
    }();
    return store;
}

ShownStore::ShownStore(const fs::path& store) : m_store(store)
{
    if (fs::exists(root()))
        giveUp("a CodeData lies beside the benchmark already; run the benchmarks through ./bench.sh");
    fs::rename(m_store, root());
}

ShownStore::~ShownStore()
{
    fs::rename(root(), m_store);
}

fs::path ShownStore::root()
{
    return benchmarkFolder() / "CodeData";
}

}  // namespace bench
