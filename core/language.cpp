#include "core/language.h"

#include <array>
#include <string>

namespace {

constexpr std::uint16_t kEnglishUS = 0x0409;

// The language buttons keep each language's own name, so a user finds their
// own whatever the interface speaks; what they do is said in the interface
// language.
constexpr AccessibleText kAccessibleTexts[] = {
    {"Panel1", "工具栏", "Toolbar", nullptr, nullptr},
    {"Panel2", "主页面与语言", "Main view and language", nullptr, nullptr},
    {"Button1", "后退", "Back", "主页面回到上一页", "Go back one page in the main view"},
    {"Button2", "刷新", "Reload", "重新载入主页面", "Reload the main view"},
    {"Button18", "中文", "中文", "切换到中文界面", "Switch the interface to Chinese"},
    {"Button19", "English", "English", "切换到英文界面", "Switch the interface to English"},
    {"WebBrowser1", "视频教程", "Video tutorials", nullptr, nullptr},
    {"Panel5", "Korinplot 各版本", "Korinplot editions", nullptr, nullptr},
    {"Memo1", "说明", "Description", nullptr, nullptr},
    {"Image1", "柯霖软件二维码", "Korinware QR code", "扫码关注柯霖软件公众号", "Scan to follow Korinware's public account"},
    {"Panel12", "Korinplot 5.20 版", "Korinplot 5.20", nullptr, nullptr},
    {"Panel7", "3.40 中文版 A 型板", "3.40 Chinese edition, board A", nullptr, nullptr},
    {"Panel8", "3.40 中文版 B 型板", "3.40 Chinese edition, board B", nullptr, nullptr},
    {"WebBrowser2", "图片一", "Picture 1", nullptr, nullptr},
    {"WebBrowser3", "图片二", "Picture 2", nullptr, nullptr},
};

struct UserTextEntry
{
    UserText which;
    const char16_t *chinese;
    const char16_t *english;
};

constexpr UserTextEntry kUserTexts[] = {
    {UserText::Install, u"软件安装", u"Install"},
    {UserText::Downloads, u"下载资源", u"Downloads"},
    {UserText::Video, u"视频教程", u"Video"},
    {UserText::Community, u"柯霖软件QQ群号:527418306", u"Korinware QQ Group"},
    {UserText::PictureNotAvailable, u"图片暂时无法显示", u"Picture not available"},
    {UserText::PageUnreachable, u"无法连接网络。按 R 重试。", u"The page cannot be reached. Press R to try again."},
    {UserText::PageNoAnswer, u"服务器没有响应。按 R 重试。", u"The server did not answer. Press R to try again."},
    {UserText::PageStopped, u"页面意外停止。按 R 重试。", u"The page stopped unexpectedly. Press R to try again."},
    {UserText::PageCannotShow, u"系统缺少网页显示组件，无法显示此页面。", u"This system has nothing to display web pages with."},
    {UserText::CopyImage, u"复制图片", u"Copy Image"},
    {UserText::CopyImageAddress, u"复制图片地址", u"Copy Image Address"},
    {UserText::OpenImageInBrowser, u"在浏览器中打开图片", u"Open Image in Browser"},
    {UserText::PageDialogCaption, u"%1 显示", u"%1 says"},
};

struct LocaleId
{
    std::string_view locale; // language, or language_TERRITORY
    std::uint16_t id;
};

// Most specific first: a territory match wins over the bare language.
constexpr LocaleId kLocales[] = {
    {"zh_TW", 0x0404}, {"zh_CN", 0x0804}, {"zh_HK", 0x0C04}, {"zh_SG", 0x1004}, {"zh_MO", 0x1404},
    {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0C09}, {"en_CA", 0x1009}, {"en_NZ", 0x1409},
    {"en_IE", 0x1809}, {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"es_MX", 0x080A}, {"fr_CA", 0x0C0C},
    {"de_AT", 0x0C07}, {"de_CH", 0x0807},
    {"zh", 0x0004}, {"en", 0x0409}, {"de", 0x0407}, {"fr", 0x040C}, {"es", 0x0C0A}, {"it", 0x0410},
    {"ja", 0x0411}, {"ko", 0x0412}, {"ru", 0x0419}, {"pt", 0x0816}, {"nl", 0x0413}, {"pl", 0x0415},
    {"tr", 0x041F}, {"ar", 0x0401}, {"vi", 0x042A}, {"th", 0x041E},
};

} // namespace

std::uint16_t langIdFromLocale(std::string_view locale)
{
    std::string_view name = locale.substr(0, locale.find_first_of("@."));
    const std::string_view language = name.substr(0, name.find('_'));
    for (const std::string_view candidate : {name, language}) {
        for (const LocaleId &entry : kLocales) {
            if (candidate == entry.locale)
                return entry.id;
        }
    }
    return kEnglishUS;
}

bool isChineseLangID(std::uint16_t id)
{
    return id == 0x0404 || id == 0x0804 || id == 0x0C04 || id == 0x1004 || id == 0x1404;
}

std::vector<std::u16string> builtinLines(bool chinese, const std::u16string &supportEmail)
{
    const std::u16string rule(28, u'-');
    const std::u16string email = u"Email:" + supportEmail;
    if (chinese)
        return {u"安装包括：", u"Korinplot 柯霖激光雕刻排版系统", u"Korinbeam Coreldraw外挂输出工具",
                u"Korinsnip  CAD文件编辑输出工具", rule, email};
    return {u"Install include:", u"Korinplot", u"  Can import DWG/DXF", u"Korinbeam Coreldraw tool",
            u"  Support CDR 12/x4/x5/x6/x7", rule, email};
}

std::u16string userText(UserText which, bool chinese)
{
    for (const UserTextEntry &entry : kUserTexts) {
        if (entry.which == which)
            return chinese ? entry.chinese : entry.english;
    }
    return {};
}

std::u16string pictureName(const std::u16string &fileName, int width, int height)
{
    const auto number = [](int value) {
        const std::string digits = std::to_string(value);
        return std::u16string(digits.begin(), digits.end());
    };
    return fileName + u" (" + number(width) + u"\u00d7" + number(height) + u")";
}

std::u16string readmeName(bool chinese)
{
    return chinese ? u"readme.txt" : u"readme_en.txt";
}

std::span<const AccessibleText> accessibleTexts()
{
    return kAccessibleTexts;
}

const char *noticeText(Notice which, bool chinese)
{
    switch (which) {
    case Notice::LanguageSwitched:
        return chinese ? "界面已切换为中文" : "The interface is now in English";
    case Notice::PageShown:
        return chinese ? "主页面已显示网页" : "The page is shown in the main view";
    }
    return "";
}
