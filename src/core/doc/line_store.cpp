#include "core/doc/line_store.h"

#include "core/doc/line_flags.h"

#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <utility>

namespace {

constexpr std::size_t kFirstBlockSize = 16 * 1024;
constexpr std::size_t kLargestBlockSize = 1024 * 1024;
constexpr std::size_t kLargestPackedLine = kLargestBlockSize / 4;

// The capacity of a line's own buffer follows from its length alone, in steps
// of an eighth to a quarter of the length, so growth costs amortised O(1).
std::size_t CapacityFor(std::size_t length)
{
    if (length == 0)
        return 0;
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

} // namespace

LineStore::LineStore(const LineStore& other)
{
    m_entries.reserve(other.m_entries.size());
    for (int i = 0; i < other.Count(); ++i)
        Append(other.Line(i));
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
    std::swap(m_nextBlockSize, other.m_nextBlockSize);
}

void LineStore::Clear()
{
    for (Entry& e : m_entries) {
        if (e.block == 0)
            std::free(e.data);
    }
    m_entries.clear();
    m_blocks.clear();
    m_nextBlockSize = 0;
}

char* LineStore::PackIntoBlock(std::string_view bytes, std::uint32_t& block)
{
    block = 0;
    if (bytes.empty())
        return nullptr;
    if (bytes.size() > kLargestPackedLine) {
        char* own = Allocate(CapacityFor(bytes.size()));
        std::memcpy(own, bytes.data(), bytes.size());
        return own;
    }
    if (m_blocks.empty() || !m_blocks.back().bytes || m_blocks.back().size - m_blocks.back().used < bytes.size()) {
        m_nextBlockSize = m_nextBlockSize == 0 ? kFirstBlockSize : std::min(2 * m_nextBlockSize, kLargestBlockSize);
        Block fresh;
        fresh.size = std::max(m_nextBlockSize, bytes.size());
        fresh.bytes.reset(new char[fresh.size]);
        m_blocks.push_back(std::move(fresh));
    }
    Block& current = m_blocks.back();
    char* place = current.bytes.get() + current.used;
    std::memcpy(place, bytes.data(), bytes.size());
    current.used += bytes.size();
    ++current.liveLines;
    block = static_cast<std::uint32_t>(m_blocks.size());
    return place;
}

void LineStore::Release(Entry& entry)
{
    if (entry.block == 0) {
        std::free(entry.data);
    } else {
        Block& b = m_blocks[entry.block - 1];
        if (--b.liveLines == 0) {
            b.bytes.reset();
            b.size = b.used = 0;
        }
    }
    entry = Entry{};
}

LineStore::Entry LineStore::MakeEntry(std::string_view bytes)
{
    Entry e;
    e.data = PackIntoBlock(bytes, e.block);
    e.length = static_cast<std::uint32_t>(bytes.size());
    return e;
}

void LineStore::Append(std::string_view bytes)
{
    m_entries.push_back(MakeEntry(bytes));
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

void LineStore::MakeOwnBuffer(Entry& entry, std::size_t capacity)
{
    char* own = capacity ? Allocate(capacity) : nullptr;
    if (entry.length)
        std::memcpy(own, entry.data, entry.length);
    const std::uint32_t length = entry.length;
    Release(entry);
    entry.data = own;
    entry.length = length;
}

void LineStore::Assign(int index, std::string_view bytes)
{
    Replace(index, 0, m_entries[static_cast<std::size_t>(index)].length, bytes);
}

void LineStore::Replace(int index, std::size_t from, std::size_t count, std::string_view bytes)
{
    Entry& e = m_entries[static_cast<std::size_t>(index)];
    if (!bytes.empty() && e.length && bytes.data() < e.data + e.length && e.data < bytes.data() + bytes.size()) {
        const std::string copy(bytes);
        Replace(index, from, count, copy);
        return;
    }
    const std::size_t oldLength = e.length;
    const std::size_t tail = oldLength - from - count;
    const std::size_t newLength = oldLength - count + bytes.size();
    const std::size_t capacity = CapacityFor(newLength);

    std::size_t bufferCapacity;
    if (e.block != 0) {
        bufferCapacity = CapacityFor(std::max(oldLength, newLength));
        MakeOwnBuffer(e, bufferCapacity);
    } else {
        bufferCapacity = CapacityFor(oldLength);
        if (capacity > bufferCapacity) {
            void* grown = std::realloc(e.data, capacity);
            if (!grown)
                throw std::bad_alloc();
            e.data = static_cast<char*>(grown);
            bufferCapacity = capacity;
        }
    }
    if (tail)
        std::memmove(e.data + from + bytes.size(), e.data + from + count, tail);
    if (!bytes.empty())
        std::memcpy(e.data + from, bytes.data(), bytes.size());
    e.length = static_cast<std::uint32_t>(newLength);

    if (newLength == 0) {
        Release(e);
    } else if (bufferCapacity != capacity) {
        // A failed shrink keeps the larger buffer, which is still safe.
        if (void* shrunk = std::realloc(e.data, capacity))
            e.data = static_cast<char*>(shrunk);
    }
}

void CopyLines(const LineStore& source, LineStore& target, std::vector<std::uint8_t>* flags)
{
    target = source;
    if (flags)
        flags->assign(static_cast<std::size_t>(target.Count()), LINE_STATE_UNKNOWN);
}
