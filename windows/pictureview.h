#pragma once

#include "core/imagefit.h"
#include "windows/picturedecoder.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class LoadNotice;
class PictureLoader;

// A side view's own window, in which its browser control lives: it asks for
// the view's address itself and shows a picture as a browser shows an image
// address on its own, centred on the dark image background, scaled down
// smoothly to fit with its aspect kept and never scaled up, an animation
// played. Anything else it hands to the browser control, which it then
// shows. Where nothing can be shown it shows the view's notice and asks
// again by the recovery rules. Its text, what a screen reader reads, is the
// picture's name and size; a right click offers to copy the picture or its
// address, or to open it in the desktop's browser.
class PictureView
{
public:
    // `showOnControl` navigates the browser control to an address that is
    // not a picture.
    PictureView(HWND parent, const RECT &bounds, std::function<void(const std::u16string &)> showOnControl);
    ~PictureView();
    PictureView(const PictureView &) = delete;
    PictureView &operator=(const PictureView &) = delete;

    HWND Handle() const { return m_window; }
    // The browser control's window, a child of this one, hidden until a
    // page needs it.
    void setControl(HWND control);
    void setBounds(const RECT &bounds);
    bool onControl() const { return m_showing == Showing::Control; }

    void load(const std::u16string &address);
    void refresh();

private:
    enum class Showing { Nothing, Picture, Notice, Control };

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void answered(const std::u16string &address, std::vector<std::uint8_t> bytes, PictureDecoder::ForView picture);
    void failed();
    void showOnControl(const std::u16string &address);
    void show(Showing showing);
    // The picture at the view's present size; false when it cannot be drawn.
    bool render();
    void paint();
    void contextMenu(POINT at);
    void copyImage();
    void copyText(const std::u16string &text);

    HWND m_window = nullptr;
    HWND m_control = nullptr;
    std::function<void(const std::u16string &)> m_showOnControl;
    std::unique_ptr<LoadNotice> m_notice;
    std::unique_ptr<PictureLoader> m_loader;
    Showing m_showing = Showing::Nothing;
    // The answer's bytes (for Copy Image and another size), its address,
    // the picture's own size and what is shown of it. An animation keeps
    // its decoder, which reads its frames as it plays.
    std::vector<std::uint8_t> m_bytes;
    std::u16string m_address;
    int m_pictureWidth = 0;
    int m_pictureHeight = 0;
    std::unique_ptr<PictureDecoder> m_animation;
    std::vector<std::uint32_t> m_shown;
    ImageFit m_fit;
};
