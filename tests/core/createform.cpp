#include "core/createform.h"

#include <doctest.h>

#include <functional>
#include <stdexcept>

namespace {

struct Form;
Form *theForm = nullptr;

struct Form
{
    explicit Form(bool fails) : seenDuringConstruction(theForm == this)
    {
        if (fails)
            throw std::runtime_error("no window");
    }
    void FormCreate() { throw std::runtime_error("handler failed"); }
    bool seenDuringConstruction;
};

} // namespace

// Code run while the form is built reaches it through the reference; a form
// that fails to build leaves no dangling reference, and a failing creation
// handler is reported without losing the form.
TEST_CASE("a form is reachable while it is built, and gone when building fails")
{
    int reported = 0;
    const auto guard = [&reported](const std::function<void()> &handler) {
        try {
            handler();
        } catch (const std::runtime_error &) {
            ++reported;
        }
    };

    CHECK_THROWS_AS(createForm(theForm, guard, true), std::runtime_error);
    CHECK(theForm == nullptr);
    CHECK(reported == 0);

    Form *form = createForm(theForm, guard, false);
    CHECK(form == theForm);
    CHECK(form->seenDuringConstruction);
    CHECK(reported == 1);
    delete form;
}
