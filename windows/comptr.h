#pragma once

#include <unknwn.h>

#include <cstddef>
#include <utility>

// Owns one reference to a COM object and releases it when dropped.
template <class T>
class ComPtr
{
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Adopts the reference that `p` already carries.
    explicit ComPtr(T *p) : m_p(p) {}
    ComPtr(const ComPtr &other) : m_p(other.m_p)
    {
        if (m_p)
            m_p->AddRef();
    }
    ComPtr(ComPtr &&other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~ComPtr() { reset(); }

    ComPtr &operator=(ComPtr other) noexcept
    {
        std::swap(m_p, other.m_p);
        return *this;
    }

    T *get() const { return m_p; }
    T *operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }

    void reset()
    {
        if (T *p = std::exchange(m_p, nullptr))
            p->Release();
    }

    // Drops the current reference and offers the slot to a function that
    // returns a new one through an out parameter.
    T **put()
    {
        reset();
        return &m_p;
    }
    void **putVoid() { return reinterpret_cast<void **>(put()); }

    // The interface U of the same object; empty when it has none.
    template <class U>
    ComPtr<U> as() const
    {
        ComPtr<U> result;
        if (m_p)
            m_p->QueryInterface(__uuidof(U), result.putVoid());
        return result;
    }

private:
    T *m_p = nullptr;
};
