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

std::u16string caughtFatalText(std::exception_ptr error, LocateAddress locate, const void *catchAddress)
{
    const void *address = catchAddress;
    std::u16string className;
    std::u16string message;
    try {
        std::rethrow_exception(error);
    } catch (const Exception &caught) {
        address = caught.address();
        className = caught.className();
        message = caught.message();
    } catch (const std::exception &caught) {
        className = caughtTypeName();
        message = fromUtf8(caught.what());
    } catch (...) {
        className = caughtTypeName();
    }
    FatalReport report = locate(address);
    report.className = className;
    report.message = message;
    return fatalText(report);
}

GuardReport guardReport(std::exception_ptr error, LocateAddress locate, const void *catchAddress)
{
    try {
        std::rethrow_exception(error);
    } catch (const EAbort &) {
        return {GuardReport::Kind::Silent, {}};
    } catch (const Exception &caught) {
        return {GuardReport::Kind::ErrorBox, errorBoxText(caught)};
    } catch (...) {
        return {GuardReport::Kind::Fatal, caughtFatalText(std::current_exception(), locate, catchAddress)};
    }
}
