#include "core/exception.h"

#include "core/unicode.h"

// Not inlined, so that the return address is the code that made the error.
[[gnu::noinline]] Exception::Exception(std::u16string message)
    : m_message(std::move(message)), m_address(__builtin_return_address(0))
{
}

[[gnu::noinline]] Exception::Exception(std::u16string message, const Exception &inner)
    : m_message(std::move(message)), m_inner(inner.clone()), m_address(__builtin_return_address(0))
{
}

Exception::Exception(const Exception &other)
    : std::exception(other), m_message(other.m_message),
      m_inner(other.m_inner ? other.m_inner->clone() : nullptr), m_address(other.m_address)
{
}

Exception &Exception::operator=(const Exception &other)
{
    if (this != &other) {
        m_message = other.m_message;
        m_inner = other.m_inner ? other.m_inner->clone() : nullptr;
        m_address = other.m_address;
    }
    return *this;
}

Exception::~Exception() = default;

const Exception &Exception::baseException() const
{
    const Exception *e = this;
    while (e->m_inner)
        e = e->m_inner.get();
    return *e;
}

const char *Exception::what() const noexcept
{
    m_what = toUtf8(m_message);
    return m_what.c_str();
}

std::u16string oleErrorText(std::int32_t code)
{
    return u"OLE error " + hexDigits(static_cast<std::uint32_t>(code), 8);
}
