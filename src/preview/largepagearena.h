// Memory on large pages for what a preview touches once (the renderer's pixel grid, the picture):
// on small pages every 4 KiB of it is a page fault of its own.
#pragma once

#include <cstddef>
#include <memory_resource>

namespace preview {

// Hands out memory from one mapping of whole large pages (2 MiB), advised for transparent huge
// pages: the system then supplies it in one fault where it offers them, and in small pages, as
// any memory, where it does not. Nothing is returned before the arena ends. Requests that do not
// fit, or all of them if the mapping fails, go to the usual heap.
class LargePageArena final : public std::pmr::memory_resource
{
public:
    static constexpr std::size_t LargePage = std::size_t(2) << 20;

    explicit LargePageArena(std::size_t capacity);
    ~LargePageArena() override;
    LargePageArena(const LargePageArena &) = delete;
    LargePageArena &operator=(const LargePageArena &) = delete;

    // Whether p lies in the arena's own mapping rather than on the heap.
    bool holds(const void *p) const;

private:
    void *do_allocate(std::size_t bytes, std::size_t alignment) override;
    void do_deallocate(void *p, std::size_t bytes, std::size_t alignment) override;
    bool do_is_equal(const std::pmr::memory_resource &other) const noexcept override { return this == &other; }

    std::byte *begin = nullptr;
    std::size_t size = 0;
    std::size_t used = 0;
};

} // namespace preview
