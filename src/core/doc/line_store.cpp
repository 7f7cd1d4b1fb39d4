#include "core/doc/line_store.h"

#include "core/doc/line_flags.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

// A short line's bytes are the entry's first seven: its length must be the
// entry's last byte.
static_assert(std::endian::native == std::endian::little);
static_assert(sizeof(LineStore::Entry) == 8);

namespace {

constexpr std::uint32_t kFirstBlockSize = 16 * 1024;
constexpr std::uint32_t kLargestBlockSize = 1024 * 1024;
constexpr std::size_t kBlockSlots = std::size_t(1) << 12; // what an entry's slot bits can name

// The capacity of a line's own buffer follows from its length alone, in steps
// of an eighth to a quarter of the length, so growth costs amortised O(1).
std::size_t CapacityFor(std::size_t length)
{
    std::size_t step = 16;
    while (step * 8 <= length)
        step *= 2;
    return (length + step - 1) / step * step;
}

char* Allocate(std::size_t capacity)
{
    void* p = std::malloc(capacity);
    if (!p)
        throw std::bad_alloc();
    return static_cast<char*>(p);
}

bool Overlaps(std::string_view a, std::string_view b)
{
    return !a.empty() && !b.empty() && a.data() < b.data() + b.size() && b.data() < a.data() + a.size();
}

void CheckLength(std::size_t length)
{
    if (length > LineStore::kLongestLine)
        throw std::length_error("line too long");
}

void Translate(char* to, const char* from, std::size_t size, const std::uint8_t* table)
{
    if (!table) {
        std::memcpy(to, from, size);
        return;
    }
    for (std::size_t i = 0; i < size; ++i)
        to[i] = static_cast<char>(table[static_cast<std::uint8_t>(from[i])]);
}

} // namespace

LineStore::LineStore(const LineStore& other)
{
    try {
        CopyFrom(other, nullptr);
    } catch (...) {
        Clear(); // the own buffers copied so far
        throw;
    }
}

LineStore LineStore::TranslatedCopy(const std::array<std::uint8_t, 256>& table) const
{
    LineStore copy;
    copy.CopyFrom(*this, table.data());
    return copy;
}

void LineStore::CopyFrom(const LineStore& other, const std::uint8_t* table)
{
    // Blocks that are mostly live are copied whole, entries as they are;
    // a store of mostly dead bytes is copied line by line, compacting it.
    std::size_t liveBytes = 0;
    std::size_t blockBytes = 0;
    for (const Entry& e : other.m_entries)
        liveBytes += e.KindOf() == Entry::Packed ? e.m_size : 0;
    for (const Block& b : other.m_blocks)
        blockBytes += b.used;
    if (liveBytes * 2 >= blockBytes) {
        CopyBlocksOf(other, table);
        return;
    }
    m_entries.reserve(other.m_entries.size());
    std::string line;
    for (int i = 0; i < other.Count(); ++i) {
        const std::string_view bytes = other.Line(i);
        line.resize(bytes.size());
        Translate(line.data(), bytes.data(), bytes.size(), table);
        Append(line);
    }
}

void LineStore::CopyBlocksOf(const LineStore& other, const std::uint8_t* table)
{
    m_blocks.resize(other.m_blocks.size());
    for (std::size_t slot = 0; slot < m_blocks.size(); ++slot) {
        const Block& from = other.m_blocks[slot];
        Block& to = m_blocks[slot];
        if (!from.bytes)
            continue;
        to.bytes.reset(new char[from.size]);
        Translate(to.bytes.get(), from.bytes.get(), from.used, table);
        to.size = from.size;
        to.used = from.used;
        to.liveLines = from.liveLines;
    }
    m_freeBlocks = other.m_freeBlocks;
    m_currentBlock = other.m_currentBlock;
    m_nextBlockSize = other.m_nextBlockSize;
    m_own.assign(other.m_own.size(), nullptr);
    m_freeOwn = other.m_freeOwn;
    m_entries = other.m_entries;
    for (Entry& e : m_entries) {
        if (e.KindOf() == Entry::Short && table) {
            char* bytes = reinterpret_cast<char*>(&e);
            Translate(bytes, bytes, e.Length(), table);
        }
        if (e.KindOf() != Entry::Own)
            continue;
        // Slots of entries that were made but never placed stay empty here.
        const std::size_t length = e.m_size & kLengthMask;
        char* own = Allocate(CapacityFor(length));
        Translate(own, other.m_own[e.m_where], length, table);
        m_own[e.m_where] = own;
    }
    for (std::size_t slot = 0; slot < m_own.size(); ++slot) {
        if (!m_own[slot] && other.m_own[slot])
            m_freeOwn.push_back(static_cast<std::uint32_t>(slot));
    }
}

LineStore& LineStore::operator=(const LineStore& other)
{
    if (this != &other) {
        LineStore copy(other);
        Swap(copy);
    }
    return *this;
}

LineStore::LineStore(LineStore&& other) noexcept
{
    Swap(other);
}

LineStore& LineStore::operator=(LineStore&& other) noexcept
{
    if (this != &other) {
        LineStore gone(std::move(other));
        Swap(gone);
    }
    return *this;
}

LineStore::~LineStore()
{
    Clear();
}

void LineStore::Swap(LineStore& other) noexcept
{
    m_entries.swap(other.m_entries);
    m_blocks.swap(other.m_blocks);
    m_freeBlocks.swap(other.m_freeBlocks);
    std::swap(m_currentBlock, other.m_currentBlock);
    std::swap(m_nextBlockSize, other.m_nextBlockSize);
    m_own.swap(other.m_own);
    m_freeOwn.swap(other.m_freeOwn);
}

void LineStore::Clear()
{
    for (char* own : m_own)
        std::free(own);
    m_own.clear();
    m_freeOwn.clear();
    m_entries.clear();
    m_blocks.clear();
    m_freeBlocks.clear();
    m_currentBlock = kNoBlock;
    m_nextBlockSize = 0;
}

LineStore::Entry LineStore::ShortEntry(std::string_view bytes)
{
    char raw[sizeof(Entry)] = {};
    if (!bytes.empty())
        std::memcpy(raw, bytes.data(), bytes.size());
    raw[sizeof raw - 1] = static_cast<char>(kShortKind >> 24 | bytes.size());
    Entry e;
    std::memcpy(&e, raw, sizeof e);
    return e;
}

bool LineStore::StartBlock(std::size_t size)
{
    std::uint32_t slot;
    if (!m_freeBlocks.empty())
        slot = m_freeBlocks.back();
    else if (m_blocks.size() < kBlockSlots)
        slot = static_cast<std::uint32_t>(m_blocks.size());
    else
        return false;
    m_nextBlockSize = m_nextBlockSize == 0 ? kFirstBlockSize : std::min(2 * m_nextBlockSize, kLargestBlockSize);
    Block fresh;
    fresh.size = std::max(m_nextBlockSize, static_cast<std::uint32_t>(size));
    fresh.bytes.reset(new char[fresh.size]);
    if (slot == m_blocks.size()) {
        m_blocks.push_back(std::move(fresh));
    } else {
        m_blocks[slot] = std::move(fresh);
        m_freeBlocks.pop_back();
    }
    m_currentBlock = slot;
    return true;
}

char* LineStore::OwnBuffer(Entry& entry, std::size_t length)
{
    CheckLength(length);
    char* own = Allocate(CapacityFor(length));
    std::uint32_t slot;
    if (!m_freeOwn.empty()) {
        slot = m_freeOwn.back();
        m_freeOwn.pop_back();
        m_own[slot] = own;
    } else {
        slot = static_cast<std::uint32_t>(m_own.size());
        try {
            m_own.push_back(own);
        } catch (...) {
            std::free(own);
            throw;
        }
    }
    entry.m_where = slot;
    entry.m_size = kOwnKind | static_cast<std::uint32_t>(length);
    return own;
}

void LineStore::Release(Entry& entry)
{
    switch (entry.KindOf()) {
    case Entry::Packed: {
        const std::uint32_t slot = entry.m_where >> kOffsetBits;
        Block& b = m_blocks[slot];
        if (--b.liveLines == 0) {
            b = Block{};
            m_freeBlocks.push_back(slot);
            if (slot == m_currentBlock)
                m_currentBlock = kNoBlock;
        }
        break;
    }
    case Entry::Own:
        std::free(m_own[entry.m_where]);
        m_own[entry.m_where] = nullptr;
        m_freeOwn.push_back(entry.m_where);
        break;
    default:
        break;
    }
    entry = Entry{};
}

void LineStore::AppendEntry(Entry entry)
{
    try {
        m_entries.push_back(entry);
    } catch (...) {
        Release(entry);
        throw;
    }
}

void LineStore::AppendToLast(std::string_view bytes)
{
    Entry& e = m_entries.back();
    const std::string_view old = Line(Count() - 1);
    if (bytes.empty())
        return;
    if (Overlaps(bytes, old)) {
        const std::string copy(bytes);
        AppendToLast(copy);
        return;
    }
    const std::size_t length = old.size() + bytes.size();
    if (e.KindOf() == Entry::Packed && length <= kLargestPackedLine) {
        Block& b = m_blocks[e.m_where >> kOffsetBits];
        if ((e.m_where >> kOffsetBits) == m_currentBlock && (e.m_where & kOffsetMask) + old.size() == b.used &&
            b.size - b.used >= bytes.size()) {
            std::memcpy(b.bytes.get() + b.used, bytes.data(), bytes.size());
            b.used += static_cast<std::uint32_t>(bytes.size());
            e.m_size += static_cast<std::uint32_t>(bytes.size());
            return;
        }
    }
    if (e.KindOf() == Entry::Own || length <= kShortest || length > kLargestPackedLine) {
        Replace(Count() - 1, old.size(), 0, bytes);
        return;
    }
    Entry moved;
    if (char* place = Pack(length, moved)) {
        std::memcpy(place, old.data(), old.size());
        std::memcpy(place + old.size(), bytes.data(), bytes.size());
        Release(e);
        e = moved;
    } else {
        Replace(Count() - 1, old.size(), 0, bytes);
    }
}

void LineStore::InsertEntries(int index, const std::vector<Entry>& entries)
{
    m_entries.insert(m_entries.begin() + index, entries.begin(), entries.end());
}

void LineStore::Erase(int first, int count)
{
    if (count <= 0)
        return;
    const auto begin = m_entries.begin() + first;
    for (auto it = begin; it != begin + count; ++it)
        Release(*it);
    m_entries.erase(begin, begin + count);
}

void LineStore::Assign(int index, std::string_view bytes)
{
    Replace(index, 0, Line(index).size(), bytes);
}

void LineStore::Replace(int index, std::size_t from, std::size_t count, std::string_view bytes)
{
    Entry& e = m_entries[static_cast<std::size_t>(index)];
    const std::string_view old = Line(index);
    if (Overlaps(bytes, old)) {
        const std::string copy(bytes);
        Replace(index, from, count, copy);
        return;
    }
    const std::size_t tail = old.size() - from - count;
    const std::size_t length = old.size() - count + bytes.size();
    CheckLength(length);

    if (e.KindOf() == Entry::Own && length > kShortest) {
        // Grown or shrunk where it is.
        char*& own = m_own[e.m_where];
        const std::size_t capacity = CapacityFor(old.size());
        const std::size_t wanted = CapacityFor(length);
        if (wanted > capacity) {
            void* grown = std::realloc(own, wanted);
            if (!grown)
                throw std::bad_alloc();
            own = static_cast<char*>(grown);
        }
        if (tail)
            std::memmove(own + from + bytes.size(), own + from + count, tail);
        if (!bytes.empty())
            std::memcpy(own + from, bytes.data(), bytes.size());
        // A failed shrink keeps the larger buffer, which is still safe.
        if (wanted < capacity) {
            if (void* shrunk = std::realloc(own, wanted))
                own = static_cast<char*>(shrunk);
        }
        e.m_size = kOwnKind | static_cast<std::uint32_t>(length);
        return;
    }

    // A new place, put together from the old bytes and the new.
    char shortBytes[kShortest];
    Entry made;
    char* place = length <= kShortest ? shortBytes : OwnBuffer(made, length);
    if (from)
        std::memcpy(place, old.data(), from);
    if (!bytes.empty())
        std::memcpy(place + from, bytes.data(), bytes.size());
    if (tail)
        std::memcpy(place + from + bytes.size(), old.data() + from + count, tail);
    if (length <= kShortest)
        made = ShortEntry(std::string_view(shortBytes, length));
    Release(e);
    e = made;
}

void CopyLines(const LineStore& source, LineStore& target, std::vector<std::uint8_t>* flags)
{
    target = source;
    if (flags)
        flags->assign(static_cast<std::size_t>(target.Count()), LINE_STATE_UNKNOWN);
}
