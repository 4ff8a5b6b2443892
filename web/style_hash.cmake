# Writes the page with its style sheet's hash where its content security policy names it
# (@style-hash@), so that the browser applies that one style sheet and no other inline style.
#
#   cmake -DPAGE=written/index.html -DOUT=site/index.html -P style_hash.cmake
cmake_minimum_required(VERSION 3.20)
file(READ ${PAGE} page)
string(FIND "${page}" "<style>" start)
string(FIND "${page}" "</style>" end)
math(EXPR start "${start} + 7")
math(EXPR length "${end} - ${start}")
string(SUBSTRING "${page}" ${start} ${length} style)
string(SHA256 hex "${style}")

# The 32 bytes of the hash in base64, as the policy writes them: ten groups of three bytes, then
# two bytes and a pad.
set(alphabet "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
set(base64 "")
foreach(at RANGE 0 60 6)
    string(SUBSTRING ${hex} ${at} 6 group)
    string(LENGTH ${group} digits)
    math(EXPR value "0x${group} << (24 - 4 * ${digits})")
    set(shifts 18 12 6 0)
    if(digits EQUAL 4)
        set(shifts 18 12 6)
    endif()
    foreach(shift IN LISTS shifts)
        math(EXPR index "(${value} >> ${shift}) & 63")
        string(SUBSTRING ${alphabet} ${index} 1 letter)
        string(APPEND base64 ${letter})
    endforeach()
endforeach()
string(REPLACE "@style-hash@" "sha256-${base64}=" page "${page}")
file(WRITE ${OUT} "${page}")
