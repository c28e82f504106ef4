// Anonymous shared memory from memfd_create, one pool per buffer.
#include "widgethost/layer_shell/shm_buffer.h"

#include <QPainter>

#include <wayland-client.h>

#include <sys/mman.h>
#include <unistd.h>

namespace quillon::widgethost {

std::unique_ptr<ShmBuffer> ShmBuffer::create(wl_shm* shm, QSize pixels, std::function<void()> released)
{
    // A widget is at most a few hundred points a side: a size past this is a fault, not a widget.
    constexpr int kLongestSide = 8192;
    if (pixels.isEmpty() || pixels.width() > kLongestSide || pixels.height() > kLongestSide)
        return nullptr;
    const int stride = pixels.width() * 4;
    const std::size_t bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(pixels.height());
    const int file = memfd_create("quillon-widget", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (file < 0)
        return nullptr;
    if (ftruncate(file, static_cast<off_t>(bytes)) < 0) {
        close(file);
        return nullptr;
    }
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, file, 0);
    if (memory == MAP_FAILED) {
        close(file);
        return nullptr;
    }
    std::unique_ptr<ShmBuffer> made(new ShmBuffer);
    made->m_memory = memory;
    made->m_bytes = bytes;
    made->m_released = std::move(released);
    wl_shm_pool* pool = wl_shm_create_pool(shm, file, static_cast<std::int32_t>(bytes));
    // ARGB8888 is premultiplied, in the machine's byte order, as Qt's ARGB32_Premultiplied.
    made->m_buffer
        = wl_shm_pool_create_buffer(pool, 0, pixels.width(), pixels.height(), stride, WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    close(file);
    static constexpr wl_buffer_listener listener {onReleased};
    wl_buffer_add_listener(made->m_buffer, &listener, made.get());
    made->m_image = QImage(static_cast<uchar*>(memory), pixels.width(), pixels.height(), stride,
        QImage::Format_ARGB32_Premultiplied);
    return made;
}

ShmBuffer::~ShmBuffer()
{
    m_image = QImage();
    if (m_buffer)
        wl_buffer_destroy(m_buffer);
    if (m_memory)
        munmap(m_memory, m_bytes);
}

void ShmBuffer::onReleased(void* data, wl_buffer*)
{
    auto* buffer = static_cast<ShmBuffer*>(data);
    buffer->m_busy = false;
    if (buffer->m_released)
        buffer->m_released();
}

ShmBuffer* ShmBufferPair::free(wl_shm* shm, QSize pixels)
{
    for (auto& buffer : m_buffers) {
        if (buffer && buffer->busy())
            continue;
        if (!buffer || buffer->pixels() != pixels)
            buffer = ShmBuffer::create(shm, pixels, m_released);
        return buffer.get();
    }
    return nullptr;
}

bool ShmBufferPair::present(
    wl_shm* shm, wl_surface* surface, QSize size, int scale, const std::function<void(QPainter&)>& paint)
{
    ShmBuffer* buffer = free(shm, size * scale);
    if (!buffer)
        return false;
    QImage& image = buffer->image();
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(scale);
    {
        QPainter painter(&image);
        paint(painter);
    }
    if (wl_surface_get_version(surface) >= WL_SURFACE_SET_BUFFER_SCALE_SINCE_VERSION)
        wl_surface_set_buffer_scale(surface, scale);
    wl_surface_attach(surface, buffer->buffer(), 0, 0);
    wl_surface_damage(surface, 0, 0, size.width(), size.height());
    wl_surface_commit(surface);
    buffer->handOver();
    return true;
}

} // namespace quillon::widgethost
