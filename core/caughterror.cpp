#include "core/caughterror.h"

#include "core/exception.h"
#include "core/unicode.h"

#include <cstdlib>
#include <cxxabi.h>
#include <typeinfo>

namespace {

std::u16string caughtTypeName()
{
    const std::type_info *type = abi::__cxa_current_exception_type();
    if (!type)
        return u"Exception";
    int status = 0;
    char *demangled = abi::__cxa_demangle(type->name(), nullptr, nullptr, &status);
    std::u16string name = fromUtf8(demangled ? demangled : type->name());
    std::free(demangled);
    return name;
}

} // namespace

std::u16string caughtFatalText(LocateAddress locate, const void *catchAddress)
{
    const void *address = catchAddress;
    std::u16string className = caughtTypeName();
    std::u16string message;
    try {
        throw;
    } catch (const Exception &error) {
        address = error.address();
        className = error.className();
        message = error.message();
    } catch (const std::exception &error) {
        message = fromUtf8(error.what());
    } catch (...) {
    }
    FatalReport report = locate(address);
    report.className = className;
    report.message = message;
    return fatalText(report);
}
