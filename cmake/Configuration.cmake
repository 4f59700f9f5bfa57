# Addresses, keys and captions are fixed at build time; the program reads no settings.
set(KORINVIEW_SITE "http://www.korinware.com" CACHE STRING "Maker's web site; also the host of downloads and side pictures")
set(KORINVIEW_PRODUCT_SITE "http://www.korinplot.com" CACHE STRING "Product web site")
set(KORINVIEW_SITE_CAPTION "www.korinware.com" CACHE STRING "Caption of the maker's web-site button")
set(KORINVIEW_PRODUCT_CAPTION "www.korinplot.com" CACHE STRING "Caption of the product web-site button")
set(KORINVIEW_SHARE_SITE "http://pan.korinware.com" CACHE STRING "Host of the download share")
set(KORINVIEW_SHARE_KEY "2718281828" CACHE STRING "Owner key of the download share (10 digits)")
set(KORINVIEW_GROUP_SITE "http://qun.korinware.com" CACHE STRING "Host of the user community group")
set(KORINVIEW_GROUP_KEY "5f1c0d9e3a7b2c4d6e8f0a1b3c5d7e9f1a2b4c6d8e0f1a3b5c7d9e1f2a4b6c8d" CACHE STRING "Key of the user community group (64 lower-case hex digits)")
set(KORINVIEW_VIDEO_SITE "http://video.korinware.com" CACHE STRING "Host of the video search")
set(KORINVIEW_SUPPORT_EMAIL "support@korinware.com" CACHE STRING "Support e-mail address of the built-in description")

function(korinview_require variable regex what)
    if(NOT "${${variable}}" MATCHES "${regex}")
        message(FATAL_ERROR "${variable} is \"${${variable}}\": expected ${what}")
    endif()
endfunction()

set(_site_form "^https?://[A-Za-z0-9]([A-Za-z0-9.-]*[A-Za-z0-9])?(:[0-9]+)?$")
set(_site_what "http:// or https://, a host, an optional port, no path, no trailing slash, no blanks")
foreach(site KORINVIEW_SITE KORINVIEW_PRODUCT_SITE KORINVIEW_SHARE_SITE KORINVIEW_GROUP_SITE KORINVIEW_VIDEO_SITE)
    korinview_require(${site} "${_site_form}" "${_site_what}")
endforeach()
korinview_require(KORINVIEW_SHARE_KEY "^[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]$" "exactly 10 digits")
string(REPEAT "[0-9a-f]" 64 _hex64)
korinview_require(KORINVIEW_GROUP_KEY "^${_hex64}$" "exactly 64 lower-case hexadecimal digits")
korinview_require(KORINVIEW_SUPPORT_EMAIL "^[A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+$" "an e-mail address such as name@example.com")
# Captions go into a C string literal, so quotes and backslashes are refused.
korinview_require(KORINVIEW_SITE_CAPTION "^[^\"\\\\]+$" "a non-empty caption without quotes or backslashes")
korinview_require(KORINVIEW_PRODUCT_CAPTION "^[^\"\\\\]+$" "a non-empty caption without quotes or backslashes")

configure_file(${CMAKE_CURRENT_LIST_DIR}/korinview_config.h.in
    ${CMAKE_CURRENT_BINARY_DIR}/generated/korinview_config.h @ONLY)
