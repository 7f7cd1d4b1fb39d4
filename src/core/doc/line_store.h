#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

// The bytes of a document's lines, kept compact: a line costs its bytes plus
// one entry of eight bytes, and a line of up to seven bytes lives inside its
// entry. Lines made in bulk (loading, pasting, copying) are packed into
// shared blocks; a line that is edited moves into a buffer of its own that
// grows in steps, so typing into a long line does not copy it each time.
// A block is released when the last of its lines is edited or removed.
//
// A view given by Line() lasts until the store changes: a short line's bytes
// move with its entry when lines are added or removed before it.
class LineStore {
public:
    // A line's place. The two top bits of `m_size` tell the kind: 00 a line
    // packed in a block (`m_where` holds the block's slot and the offset in
    // it), 10 a buffer of its own (`m_where` is its slot), 11 a short line
    // whose bytes are the entry's first seven bytes, its length in the low
    // bits of the entry's last byte (a new entry is the empty line).
    class Entry {
    public:
        std::size_t Length() const;

    private:
        friend class LineStore;
        enum Kind : unsigned { Packed = 0, Own = 2, Short = 3 };
        Kind KindOf() const { return static_cast<Kind>(m_size >> 30); }
        std::uint32_t m_where = 0;
        std::uint32_t m_size = kShortKind;
    };

    // The longest line a store holds.
    static constexpr std::size_t kLongestLine = (std::size_t(1) << 30) - 1;

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
        switch (e.KindOf()) {
        case Entry::Packed:
            return {m_blocks[e.m_where >> kOffsetBits].bytes.get() + (e.m_where & kOffsetMask), e.m_size};
        case Entry::Short:
            return {reinterpret_cast<const char*>(&e), e.Length()};
        default:
            return {m_own[e.m_where], e.Length()};
        }
    }

    void Append(std::string_view bytes);
    // Adds `bytes` to the end of the last line: a file is read into the store
    // piece by piece.
    void AppendToLast(std::string_view bytes);
    // Stores `bytes` without placing them; the entry is given to InsertEntries.
    Entry MakeEntry(std::string_view bytes);
    // Places prepared entries before line `index`, shifting the rest once.
    void InsertEntries(int index, const std::vector<Entry>& entries);
    void Erase(int first, int count);
    void Clear();
    void Reserve(std::size_t lines) { m_entries.reserve(lines); }

    // The bytes of a line, to change in place without changing its length.
    char* MutableLine(int index) { return const_cast<char*>(Line(index).data()); }
    void Assign(int index, std::string_view bytes);
    // Replaces `count` bytes at `from` in line `index` by `bytes`.
    void Replace(int index, std::size_t from, std::size_t count, std::string_view bytes);

    void Swap(LineStore& other) noexcept;

    // A copy whose every byte went through `table`: one pass over whole
    // blocks, which converts a code page as fast as the table can be read.
    LineStore TranslatedCopy(const std::array<std::uint8_t, 256>& table) const;

private:
    static constexpr std::uint32_t kOwnKind = 0x80000000u;
    static constexpr std::uint32_t kShortKind = 0xC0000000u;
    static constexpr std::uint32_t kLengthMask = 0x3FFFFFFFu;
    static constexpr std::size_t kShortest = 7;
    static constexpr unsigned kOffsetBits = 20; // blocks of at most 1 MB
    static constexpr std::uint32_t kOffsetMask = (1u << kOffsetBits) - 1;
    static constexpr std::uint32_t kNoBlock = ~0u;
    static constexpr std::size_t kLargestPackedLine = std::size_t(1) << (kOffsetBits - 2);

    struct Block {
        std::unique_ptr<char[]> bytes;
        std::uint32_t size = 0;
        std::uint32_t used = 0;
        std::uint32_t liveLines = 0;
    };

    static Entry ShortEntry(std::string_view bytes);
    // Room for `size` bytes at the end of the current block, `entry` made to
    // point there; nothing when the line is too long to pack or every slot is
    // taken.
    char* Pack(std::size_t size, Entry& entry);
    // Makes a fresh block the current one; false when every slot is taken.
    bool StartBlock(std::size_t size);
    // Adds a made entry, growing the table; the entry is released when that fails.
    void AppendEntry(Entry entry);
    // A buffer of its own for `entry`, of its length's capacity; throws
    // std::length_error for a line longer than kLongestLine.
    char* OwnBuffer(Entry& entry, std::size_t length);
    // Copies `other` into this empty store, each byte through `table` if
    // there is one.
    void CopyFrom(const LineStore& other, const std::uint8_t* table);
    void CopyBlocksOf(const LineStore& other, const std::uint8_t* table);
    void Release(Entry& entry);

    std::vector<Entry> m_entries;
    std::vector<Block> m_blocks; // by slot; a released block's slot waits in m_freeBlocks
    std::vector<std::uint32_t> m_freeBlocks;
    std::uint32_t m_currentBlock = kNoBlock;
    std::uint32_t m_nextBlockSize = 0;
    std::vector<char*> m_own; // by slot; a freed slot waits in m_freeOwn
    std::vector<std::uint32_t> m_freeOwn;
};

inline std::size_t LineStore::Entry::Length() const
{
    switch (KindOf()) {
    case Packed:
        return m_size;
    case Short:
        return (m_size >> 24) & 7;
    default:
        return m_size & kLengthMask;
    }
}

// Lines are added one by one while a file is read: what they go through is
// kept here, where the reading loop can inline it.
inline char* LineStore::Pack(std::size_t size, Entry& entry)
{
    if (size > kLargestPackedLine)
        return nullptr;
    if ((m_currentBlock == kNoBlock || m_blocks[m_currentBlock].size - m_blocks[m_currentBlock].used < size) &&
        !StartBlock(size))
        return nullptr;
    Block& current = m_blocks[m_currentBlock];
    entry.m_where = m_currentBlock << kOffsetBits | current.used;
    entry.m_size = static_cast<std::uint32_t>(size);
    char* place = current.bytes.get() + current.used;
    current.used += static_cast<std::uint32_t>(size);
    ++current.liveLines;
    return place;
}

inline LineStore::Entry LineStore::MakeEntry(std::string_view bytes)
{
    if (bytes.size() <= kShortest)
        return ShortEntry(bytes);
    Entry e;
    char* place = Pack(bytes.size(), e);
    if (!place)
        place = OwnBuffer(e, bytes.size());
    std::memcpy(place, bytes.data(), bytes.size());
    return e;
}

inline void LineStore::Append(std::string_view bytes)
{
    const Entry e = MakeEntry(bytes); // before the table may move a short line's bytes
    if (m_entries.size() < m_entries.capacity()) {
        m_entries.push_back(e);
        return;
    }
    AppendEntry(e);
}

// Empties `target` and copies every line of `source` into it. With `flags`,
// that flag array is rebuilt as one "state unknown" byte per line.
void CopyLines(const LineStore& source, LineStore& target, std::vector<std::uint8_t>* flags = nullptr);
