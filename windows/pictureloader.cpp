#include "windows/pictureloader.h"

#include "core/imagefit.h"
#include "windows/tapplication.h"

#include <iphlpapi.h>
#include <wininet.h>

#include <mutex>
#include <new>
#include <thread>
#include <utility>

namespace {

constexpr UINT kAnswerMessage = WM_APP + 40;
constexpr UINT kNetworkMessage = WM_APP + 41;
constexpr UINT_PTR kDeadlineTimer = 40;
constexpr UINT_PTR kRetryTimer = 41;
constexpr int kMostRedirects = 10;

// The handles of one step of a request, closed however the step ends.
class InternetHandle
{
public:
    explicit InternetHandle(HINTERNET handle) : m_handle(handle) {}
    ~InternetHandle()
    {
        if (m_handle)
            InternetCloseHandle(m_handle);
    }
    InternetHandle(const InternetHandle &) = delete;
    InternetHandle &operator=(const InternetHandle &) = delete;
    HINTERNET get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    HINTERNET m_handle;
};

const wchar_t *wide(const std::u16string &text)
{
    return reinterpret_cast<const wchar_t *>(text.c_str());
}

std::u16string queryText(HINTERNET request, DWORD what)
{
    wchar_t text[2048];
    DWORD size = sizeof text;
    if (!HttpQueryInfoW(request, what, text, &size, nullptr))
        return {};
    return {reinterpret_cast<const char16_t *>(text), size / sizeof(wchar_t)};
}

bool startsWithNoCase(const std::u16string &text, const wchar_t *prefix)
{
    const std::size_t length = wcslen(prefix);
    return text.size() >= length &&
           CompareStringOrdinal(wide(text), static_cast<int>(length), prefix, static_cast<int>(length), TRUE) ==
               CSTR_EQUAL;
}

} // namespace

// What a worker hands back; the generation tells a late answer from the one
// the view waits for.
struct PictureLoader::Answer
{
    enum class Outcome { Failed, Picture, NotPicture };

    unsigned generation = 0;
    Outcome outcome = Outcome::Failed;
    std::u16string address;
    std::vector<std::uint8_t> body;
    PictureDecoder::ForView picture;
};

// Where workers leave their answers. A worker may outlive its view (a hung
// request is abandoned, never waited for), so the view's window is forgotten
// here when the view goes.
struct PictureLoader::Mailbox
{
    std::mutex lock;
    HWND window = nullptr;
    std::vector<Answer> answers;

    void post(UINT message, Answer *answer)
    {
        const std::lock_guard<std::mutex> guard(lock);
        if (!window)
            return;
        if (answer)
            answers.push_back(std::move(*answer));
        PostMessageW(window, message, 0, 0);
    }
};

// One whole request, run on a worker thread: WinINet as the system's
// settings have it, each redirect followed by hand so that only http and
// https addresses are asked for.
void PictureLoader::fetch(Answer &answer, std::u16string address, const std::u16string &languages)
{
    using Outcome = Answer::Outcome;
    const InternetHandle session(InternetOpenW(L"Korinview", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session)
        return;
    const std::u16string headers = u"Accept-Language: " + languages + u"\r\n";
    for (int redirects = 0; redirects <= kMostRedirects; ++redirects) {
        URL_COMPONENTSW parts{};
        parts.dwStructSize = sizeof parts;
        parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;
        if (!InternetCrackUrlW(wide(address), static_cast<DWORD>(address.size()), 0, &parts) ||
            (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)) {
            answer.outcome = Outcome::NotPicture;
            return;
        }
        const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
        std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
        path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
        const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
        const InternetHandle connection(InternetConnectW(session.get(), host.c_str(), parts.nPort, nullptr, nullptr,
                                                         INTERNET_SERVICE_HTTP, 0, 0));
        if (!connection)
            return;
        const DWORD flags = INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_AUTO_REDIRECT |
                            INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI | (secure ? INTERNET_FLAG_SECURE : 0);
        const InternetHandle request(HttpOpenRequestW(connection.get(), L"GET", path.empty() ? L"/" : path.c_str(),
                                                      nullptr, nullptr, nullptr, flags, 0));
        if (!request)
            return;
        // Only the request's own handle bounds a silent server's wait.
        DWORD timeout = static_cast<DWORD>(kAnswerDeadline.count());
        InternetSetOptionW(request.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof timeout);
        InternetSetOptionW(request.get(), INTERNET_OPTION_SEND_TIMEOUT, &timeout, sizeof timeout);
        if (!HttpSendRequestW(request.get(), wide(headers), static_cast<DWORD>(-1), nullptr, 0))
            return;
        DWORD status = 0;
        DWORD size = sizeof status;
        if (!HttpQueryInfoW(request.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
            return;
        if (status == 301 || status == 302 || status == 303 || status == 307 || status == 308) {
            const std::u16string location = queryText(request.get(), HTTP_QUERY_LOCATION);
            wchar_t target[INTERNET_MAX_URL_LENGTH];
            DWORD length = INTERNET_MAX_URL_LENGTH;
            if (location.empty() ||
                !InternetCombineUrlW(wide(address), wide(location), target, &length, ICU_NO_ENCODE))
                return;
            address.assign(reinterpret_cast<const char16_t *>(target), length);
            continue;
        }
        if (status >= 400)
            return;
        const std::u16string type = queryText(request.get(), HTTP_QUERY_CONTENT_TYPE);
        if (status < 200 || status >= 300 || !(type.empty() || startsWithNoCase(type, L"image/"))) {
            answer.outcome = Outcome::NotPicture;
            return;
        }
        std::uint8_t buffer[65536];
        for (DWORD read = 0;; answer.body.insert(answer.body.end(), buffer, buffer + read)) {
            if (!InternetReadFile(request.get(), buffer, sizeof buffer, &read))
                return;
            if (read == 0)
                break;
            // No picture the view shows is larger than the most it decodes:
            // the notice, and no asking again for the same.
            if (static_cast<std::uint64_t>(answer.body.size()) + read > pictureLimit.bytes) {
                std::vector<std::uint8_t>().swap(answer.body);
                answer.picture.opened = PictureDecoder::Opened::TooLarge;
                answer.outcome = Outcome::Picture;
                return;
            }
        }
        answer.address = address;
        answer.outcome = Outcome::Picture;
        return;
    }
}

// The system's word that an address changed: a lost network may be back.
// Armed after the first failure only; Wine's notification never fires.
class PictureLoader::NetworkWatch
{
public:
    explicit NetworkWatch(std::shared_ptr<Mailbox> mailbox)
        : m_mailbox(std::move(mailbox)), m_event(CreateEventW(nullptr, FALSE, FALSE, nullptr))
    {
        m_overlapped.hEvent = m_event;
        if (m_event && arm())
            RegisterWaitForSingleObject(&m_wait, m_event, &NetworkWatch::changed, this, INFINITE, WT_EXECUTEDEFAULT);
    }
    ~NetworkWatch()
    {
        if (m_wait)
            UnregisterWaitEx(m_wait, INVALID_HANDLE_VALUE);
        CancelIPChangeNotify(&m_overlapped);
        if (m_event)
            CloseHandle(m_event);
    }
    NetworkWatch(const NetworkWatch &) = delete;
    NetworkWatch &operator=(const NetworkWatch &) = delete;

private:
    bool arm()
    {
        HANDLE unused = nullptr;
        return NotifyAddrChange(&unused, &m_overlapped) == ERROR_IO_PENDING;
    }
    static void CALLBACK changed(void *context, BOOLEAN)
    {
        auto *watch = static_cast<NetworkWatch *>(context);
        watch->m_mailbox->post(kNetworkMessage, nullptr);
        watch->arm();
    }

    std::shared_ptr<Mailbox> m_mailbox;
    HANDLE m_event;
    OVERLAPPED m_overlapped{};
    HANDLE m_wait = nullptr;
};

PictureLoader::PictureLoader(HWND window, Handlers handlers)
    : m_window(window), m_handlers(std::move(handlers)), m_mailbox(std::make_shared<Mailbox>())
{
    m_mailbox->window = window;
}

PictureLoader::~PictureLoader()
{
    m_watch.reset();
    const std::lock_guard<std::mutex> guard(m_mailbox->lock);
    m_mailbox->window = nullptr;
}

void PictureLoader::load(const std::u16string &address)
{
    m_address = address;
    refresh();
}

void PictureLoader::refresh()
{
    if (m_address.empty())
        return;
    m_recovery.restart();
    request();
}

void PictureLoader::request()
{
    // A newer request replaces the one under way, whose answer is dropped.
    const unsigned generation = ++m_generation;
    KillTimer(m_window, kRetryTimer);
    SetTimer(m_window, kDeadlineTimer, static_cast<UINT>(kAnswerDeadline.count()), nullptr);
    m_recovery.asked();
    const bool chinese = Application && Application->InterfaceChinese();
    // As the Linux program sends it: the interface language, then its base.
    const std::u16string languages = chinese ? u"zh-CN,zh" : u"en-US,en";
    RECT view;
    GetClientRect(m_window, &view);
    // Never joined: a hung request must hold neither the window nor the exit.
    std::thread([mailbox = m_mailbox, address = m_address, languages, generation, view] {
        Answer answer;
        answer.generation = generation;
        try {
            fetch(answer, address, languages);
            // Decoded here, so that a large picture never holds the window up.
            if (answer.outcome == Answer::Outcome::Picture && !answer.body.empty() &&
                SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {
                const struct Apartment {
                    ~Apartment() { CoUninitialize(); }
                } apartment;
                answer.picture = PictureDecoder::forView(answer.body, view.right, view.bottom);
            }
        } catch (const std::bad_alloc &) {
            // Out of memory for this answer: a failed request, asked again later.
            answer = Answer{};
            answer.generation = generation;
        }
        mailbox->post(kAnswerMessage, &answer);
    }).detach();
}

void PictureLoader::fail()
{
    KillTimer(m_window, kDeadlineTimer);
    const auto delay = m_recovery.failed();
    SetTimer(m_window, kRetryTimer, static_cast<UINT>(delay.count()), nullptr);
    if (!m_watch)
        m_watch = std::make_unique<NetworkWatch>(m_mailbox);
    m_handlers.failed();
}

void PictureLoader::take(Answer &answer)
{
    if (answer.generation != m_generation || !m_recovery.asking())
        return;
    KillTimer(m_window, kDeadlineTimer);
    switch (answer.outcome) {
    case Answer::Outcome::Failed:
        fail();
        break;
    case Answer::Outcome::Picture:
        m_recovery.answered();
        m_handlers.answered(answer.address, std::move(answer.body), std::move(answer.picture));
        break;
    case Answer::Outcome::NotPicture:
        m_recovery.stopped();
        m_handlers.notPicture(m_address);
        break;
    }
}

bool PictureLoader::handleMessage(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case kAnswerMessage: {
        std::vector<Answer> answers;
        {
            const std::lock_guard<std::mutex> guard(m_mailbox->lock);
            answers.swap(m_mailbox->answers);
        }
        for (Answer &answer : answers)
            take(answer);
        return true;
    }
    case kNetworkMessage:
        if (m_recovery.wantsNetwork() && m_recovery.mayRetry(true))
            request();
        return true;
    case WM_TIMER:
        if (wParam == kDeadlineTimer) {
            // Nothing in time: the late answer, if it ever comes, is dropped.
            ++m_generation;
            fail();
            return true;
        }
        if (wParam == kRetryTimer) {
            KillTimer(m_window, kRetryTimer);
            if (m_recovery.mayRetry(true))
                request();
            return true;
        }
        return false;
    default:
        return false;
    }
}
