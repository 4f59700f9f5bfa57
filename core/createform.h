#pragma once

#include <new>
#include <utility>

// Builds a form for either application. `reference` holds the form before
// its constructor runs, so code running during construction can reach it; a
// construction error resets it and goes on to the caller. FormCreate runs
// afterwards under `guard`, the application's event guard, which reports
// what escapes it and keeps the form.
template <class Form, class Guard, class... Args>
Form *createForm(Form *&reference, const Guard &guard, Args &&...args)
{
    reference = static_cast<Form *>(::operator new(sizeof(Form)));
    try {
        new (reference) Form(std::forward<Args>(args)...);
    } catch (...) {
        ::operator delete(reference);
        reference = nullptr;
        throw;
    }
    Form *form = reference;
    guard([form] { form->FormCreate(); });
    return form;
}
