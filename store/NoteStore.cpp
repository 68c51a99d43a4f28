#include "store/NoteStore.h"

#include "store/NoteName.h"
#include "store/StorePaths.h"

#include <cerrno>

namespace {

const StoreStatus RefusedName(EINVAL);

bool acceptable(std::string_view category, std::string_view note)
{
    return isAcceptableCategoryName(category) && isAcceptableNoteName(note);
}

}  // namespace

StoreListing::StoreListing(std::string_view pattern, platform::EntryFilter filter, bool skipDotNames)
    : m_search(std::in_place, pattern, filter), m_skipDotNames(skipDotNames)
{
}

std::string StoreListing::next()
{
    if (!m_search)
        return std::string();
    for (;;) {
        std::string name = m_search->next();
        // Skips ".", ".." and every hidden folder (.git) among the categories.
        if (m_skipDotNames && name.starts_with('.'))
            continue;
        if (name.empty())
            m_search.reset();
        return name;
    }
}

NoteStore::NoteStore(std::string programDir) : m_programDir(std::move(programDir)) {}

StoreListing NoteStore::listCategories() const
{
    return StoreListing(categorySearchPattern(m_programDir), platform::EntryFilter::DirectoriesOnly, true);
}

StoreListing NoteStore::listNotes(std::string_view category) const
{
    if (!isAcceptableCategoryName(category))
        return StoreListing();
    return StoreListing(noteSearchPattern(m_programDir, category), platform::EntryFilter::FilesOnly, false);
}

StoreStatus NoteStore::createCategory(std::string_view name) const
{
    if (!isAcceptableCategoryName(name))
        return RefusedName;
    return platform::createDirectory(categoryPath(m_programDir, name));
}

StoreStatus NoteStore::deleteCategory(std::string_view name) const
{
    if (!isAcceptableCategoryName(name))
        return RefusedName;
    return platform::removeDirectoryTree(categoryPath(m_programDir, name));
}

StoreStatus NoteStore::deleteNote(std::string_view category, std::string_view note) const
{
    if (!acceptable(category, note))
        return RefusedName;
    return platform::deleteFile(notePath(m_programDir, category, note));
}

NoteContent NoteStore::readNote(std::string_view category, std::string_view note) const
{
    if (!acceptable(category, note))
        return {{}, RefusedName};
    platform::FileContent content = platform::readWholeFile(notePath(m_programDir, category, note));
    return {std::move(content.bytes), content.status};
}

StoreStatus NoteStore::writeNote(std::string_view category, std::string_view note, std::string_view content) const
{
    if (!acceptable(category, note))
        return RefusedName;
    return platform::writeWholeFile(notePath(m_programDir, category, note), content);
}
