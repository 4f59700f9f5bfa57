#pragma once

#include <windows.h>

// The reference count of an object of ours that the system holds; it starts
// with the one reference its maker takes. The object answers
// QueryInterface itself.
template <class... Interfaces>
class ComObject : public Interfaces...
{
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    virtual ~ComObject() = default;

private:
    ULONG m_references = 1;
};
