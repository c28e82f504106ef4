// A picture shared with the compositor: memory both sides map, painted through a QImage, handed over
// with each commit and painted again only once the compositor has released it.
#pragma once

#include <QImage>
#include <QSize>

#include <functional>
#include <memory>

struct wl_buffer;
struct wl_shm;
struct wl_surface;
class QPainter;

namespace quillon::widgethost {

class ShmBuffer {
public:
    // Null when the memory cannot be had.
    // `released` runs each time the compositor is done reading it.
    static std::unique_ptr<ShmBuffer> create(wl_shm* shm, QSize pixels, std::function<void()> released = {});
    ~ShmBuffer();
    ShmBuffer(const ShmBuffer&) = delete;
    ShmBuffer& operator=(const ShmBuffer&) = delete;

    wl_buffer* buffer() const { return m_buffer; }
    // Over the shared memory: what is painted on it is what the compositor shows.
    QImage& image() { return m_image; }
    QSize pixels() const { return m_image.size(); }
    // Between being handed over and being released the compositor may read it at any time.
    bool busy() const { return m_busy; }
    void handOver() { m_busy = true; }

private:
    ShmBuffer() = default;
    static void onReleased(void* data, wl_buffer* buffer);

    wl_buffer* m_buffer = nullptr;
    void* m_memory = nullptr;
    std::size_t m_bytes = 0;
    QImage m_image;
    bool m_busy = false;
    std::function<void()> m_released;
};

// Two buffers, so that one is painted while the compositor shows the other.
class ShmBufferPair {
public:
    // `released` runs when a buffer comes free, for a picture that waited for one.
    explicit ShmBufferPair(std::function<void()> released)
        : m_released(std::move(released))
    {
    }

    // Paints a picture of `size` points at `scale` into a free buffer and commits it to `surface`;
    // false, showing nothing new, while both buffers are busy (`released` runs when one is free).
    bool present(
        wl_shm* shm, wl_surface* surface, QSize size, int scale, const std::function<void(QPainter&)>& paint);

private:
    // A buffer of that size the compositor is not reading; null while both are busy.
    ShmBuffer* free(wl_shm* shm, QSize pixels);

    std::function<void()> m_released;
    std::unique_ptr<ShmBuffer> m_buffers[2];
};

} // namespace quillon::widgethost
