#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// The bytes of a document's lines, kept compact: a line costs its bytes plus
// one small entry. Lines made in bulk (loading, pasting, copying) are packed
// into shared blocks; a line that is edited moves into a buffer of its own
// that grows in steps, so typing into a long line does not copy it each time.
// A block is released when the last of its lines is edited or removed.
class LineStore {
public:
    // A line's storage. `block` 0 means a buffer of its own (or no bytes),
    // otherwise the line lives in block `block` - 1.
    struct Entry {
        char* data = nullptr;
        std::uint32_t length = 0;
        std::uint32_t block = 0;
    };

    LineStore() = default;
    LineStore(const LineStore& other);
    LineStore& operator=(const LineStore& other);
    LineStore(LineStore&& other) noexcept;
    LineStore& operator=(LineStore&& other) noexcept;
    ~LineStore();

    int Count() const { return static_cast<int>(m_entries.size()); }
    std::string_view Line(int index) const
    {
        const Entry& e = m_entries[static_cast<std::size_t>(index)];
        return {e.data, e.length};
    }

    void Append(std::string_view bytes);
    // Stores `bytes` without placing them; the entry is given to InsertEntries.
    Entry MakeEntry(std::string_view bytes);
    // Places prepared entries before line `index`, shifting the rest once.
    void InsertEntries(int index, const std::vector<Entry>& entries);
    void Erase(int first, int count);
    void Clear();
    void Reserve(std::size_t lines) { m_entries.reserve(lines); }

    // The bytes of a line, to change in place without changing its length.
    char* MutableLine(int index) { return m_entries[static_cast<std::size_t>(index)].data; }
    void Assign(int index, std::string_view bytes);
    // Replaces `count` bytes at `from` in line `index` by `bytes`.
    void Replace(int index, std::size_t from, std::size_t count, std::string_view bytes);

    void Swap(LineStore& other) noexcept;

private:
    struct Block {
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
        std::size_t used = 0;
        std::size_t liveLines = 0;
    };

    char* PackIntoBlock(std::string_view bytes, std::uint32_t& block);
    void Release(Entry& entry);
    void MakeOwnBuffer(Entry& entry, std::size_t capacity);

    std::vector<Entry> m_entries;
    std::vector<Block> m_blocks;
    std::size_t m_nextBlockSize = 0;
};

// Empties `target` and copies every line of `source` into it. With `flags`,
// that flag array is rebuilt as one "state unknown" byte per line.
void CopyLines(const LineStore& source, LineStore& target, std::vector<std::uint8_t>* flags = nullptr);
