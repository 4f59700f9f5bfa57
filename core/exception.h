#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>

// The error family raised by the launcher's services and reported by the
// application's event guard. Each class reports its own name, as the error
// box and the fatal start-up report show it.
class Exception : public std::exception
{
public:
    explicit Exception(std::u16string message);
    Exception(std::u16string message, const Exception &inner);
    Exception(const Exception &other);
    Exception &operator=(const Exception &other);
    ~Exception() override;

    virtual std::u16string className() const { return u"Exception"; }
    virtual std::unique_ptr<Exception> clone() const { return std::make_unique<Exception>(*this); }

    const std::u16string &message() const { return m_message; }
    const Exception *innerException() const { return m_inner.get(); }
    // Innermost error of the chain; the error itself when it has no inner one.
    const Exception &baseException() const;
    // Code address that made the error, for the fatal report's module lookup.
    const void *address() const { return m_address; }

    const char *what() const noexcept override;

private:
    std::u16string m_message;
    std::unique_ptr<Exception> m_inner;
    const void *m_address = nullptr;
    mutable std::string m_what;
};

#define KORINVIEW_EXCEPTION_CLASS(Name, Base)                                   \
    class Name : public Base                                                    \
    {                                                                           \
    public:                                                                     \
        using Base::Base;                                                       \
        std::u16string className() const override { return u## #Name; }        \
        std::unique_ptr<Exception> clone() const override                       \
        {                                                                       \
            return std::make_unique<Name>(*this);                               \
        }                                                                       \
    };

// Silent cancellation: the event guard drops it without a box.
KORINVIEW_EXCEPTION_CLASS(EAbort, Exception)
KORINVIEW_EXCEPTION_CLASS(EFOpenError, Exception)
KORINVIEW_EXCEPTION_CLASS(EInvalidOperation, Exception)

// A system call that failed while the window was being built, holding the
// system's error code.
class EOSError : public Exception
{
public:
    EOSError(std::u16string message, std::uint32_t errorCode)
        : Exception(std::move(message)), m_errorCode(errorCode) {}
    std::u16string className() const override { return u"EOSError"; }
    std::unique_ptr<Exception> clone() const override { return std::make_unique<EOSError>(*this); }
    std::uint32_t errorCode() const { return m_errorCode; }

private:
    std::uint32_t m_errorCode;
};

// A refused operation of the embedded web view, holding its result code.
class EOleSysError : public Exception
{
public:
    EOleSysError(std::u16string message, std::int32_t errorCode)
        : Exception(std::move(message)), m_errorCode(errorCode) {}
    std::u16string className() const override { return u"EOleSysError"; }
    std::unique_ptr<Exception> clone() const override { return std::make_unique<EOleSysError>(*this); }
    std::int32_t errorCode() const { return m_errorCode; }

private:
    std::int32_t m_errorCode;
};

KORINVIEW_EXCEPTION_CLASS(EOleException, EOleSysError)

#undef KORINVIEW_EXCEPTION_CLASS

inline constexpr std::int32_t E_FAIL_CODE = static_cast<std::int32_t>(0x80004005u);

// "OLE error %.8X": the code as eight upper-case hexadecimal digits.
std::u16string oleErrorText(std::int32_t code);
