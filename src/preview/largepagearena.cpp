// The arena's one mapping: large-page aligned, so that the system can back it with huge pages.
#include "preview/largepagearena.h"

#include <cstdint>
#include <functional>
#include <sys/mman.h>

namespace preview {

namespace {

std::size_t roundedUp(std::size_t bytes, std::size_t to)
{
    return (bytes + to - 1) / to * to;
}

} // namespace

LargePageArena::LargePageArena(std::size_t capacity)
{
    if (capacity == 0)
        return;
    const std::size_t wanted = roundedUp(capacity, LargePage);
    // One large page more than wanted, so that an aligned stretch lies inside; the rest is given back.
    const std::size_t mapped = wanted + LargePage;
    void *mapping = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED)
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(mapping);
    const std::uintptr_t aligned = roundedUp(start, LargePage);
    if (aligned > start)
        ::munmap(mapping, aligned - start);
    if (const std::size_t after = start + mapped - (aligned + wanted); after > 0)
        ::munmap(reinterpret_cast<void *>(aligned + wanted), after);
    begin = reinterpret_cast<std::byte *>(aligned);
    size = wanted;
    // Only advice: without transparent huge pages the mapping works as well, on small pages.
    ::madvise(begin, size, MADV_HUGEPAGE);
}

LargePageArena::~LargePageArena()
{
    if (begin)
        ::munmap(begin, size);
}

bool LargePageArena::holds(const void *p) const
{
    const auto *byte = static_cast<const std::byte *>(p);
    return begin && std::less_equal<>()(begin, byte) && std::less<>()(byte, begin + size);
}

void *LargePageArena::do_allocate(std::size_t bytes, std::size_t alignment)
{
    const std::size_t start = roundedUp(used, alignment);
    if (begin && alignment <= LargePage && start <= size && bytes <= size - start) {
        used = start + bytes;
        return begin + start;
    }
    return std::pmr::new_delete_resource()->allocate(bytes, alignment);
}

void LargePageArena::do_deallocate(void *p, std::size_t bytes, std::size_t alignment)
{
    if (!holds(p))
        std::pmr::new_delete_resource()->deallocate(p, bytes, alignment);
}

} // namespace preview
