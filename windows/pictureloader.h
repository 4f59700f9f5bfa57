#pragma once

#include "core/recoverypolicy.h"
#include "windows/picturedecoder.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Asks for a picture view's address with the system's internet library on a
// worker thread, so that a picture needs no browser control: the interface
// language's Accept-Language, the system's proxy, nothing kept on disk,
// redirects followed between http and https addresses only; a picture is
// decoded there too, at the size of the view. One request at a time; its
// answer comes back to `window` as a posted message, which the
// window hands to handleMessage, as it does its timers. A request that fails
// (no network, nothing within 20 s, an HTTP error) is asked again by the
// core's recovery rules, or at once when the system reports the network back.
class PictureLoader
{
public:
    struct Handlers
    {
        // A picture, or an answer that does not say what it is, decoded on
        // the worker for the view's size when it was asked for; `address`
        // is where it came from after any redirect.
        std::function<void(const std::u16string &address, std::vector<std::uint8_t> body,
                           PictureDecoder::ForView picture)>
            answered;
        // Anything else (a page, another type, a redirect elsewhere): for the
        // browser control; the address is the one asked for.
        std::function<void(const std::u16string &address)> notPicture;
        std::function<void()> failed;
    };

    PictureLoader(HWND window, Handlers handlers);
    ~PictureLoader();
    PictureLoader(const PictureLoader &) = delete;
    PictureLoader &operator=(const PictureLoader &) = delete;

    // A new address: the count of failures starts again.
    void load(const std::u16string &address);
    // Asked again now, as for a new address.
    void refresh();
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct Mailbox;
    struct Answer;
    class NetworkWatch;

    static void fetch(Answer &answer, std::u16string address, const std::u16string &languages);
    void request();
    void fail();
    void take(Answer &answer);

    HWND m_window;
    Handlers m_handlers;
    std::shared_ptr<Mailbox> m_mailbox;
    std::unique_ptr<NetworkWatch> m_watch;
    std::u16string m_address;
    RecoveryState m_recovery;
    unsigned m_generation = 0;
};
