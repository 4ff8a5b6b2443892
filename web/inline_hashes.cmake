# Writes the page with the script that holds early input (HOLD) where it says @hold@, and with the
# hashes of its one style sheet and that one script where its content security policy names them
# (@style-hash@, @hold-hash@), so that the browser runs that inline code and no other.
#
#   cmake -DPAGE=written/index.html -DHOLD=hold.js -DOUT=site/index.html -P inline_hashes.cmake
cmake_minimum_required(VERSION 3.20)

# The policy's source for a text: its SHA-256 in base64, ten groups of three bytes, then two bytes
# and a pad.
function(policy_hash text out)
    string(SHA256 hex "${text}")
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
    set(${out} "'sha256-${base64}='" PARENT_SCOPE)
endfunction()

file(READ ${PAGE} page)
file(READ ${HOLD} hold)
string(FIND "${page}" "<style>" start)
string(FIND "${page}" "</style>" end)
math(EXPR start "${start} + 7")
math(EXPR length "${end} - ${start}")
string(SUBSTRING "${page}" ${start} ${length} style)
policy_hash("${style}" style_hash)
policy_hash("${hold}" hold_hash)
string(REPLACE "@hold@" "${hold}" page "${page}")
string(REPLACE "'@style-hash@'" "${style_hash}" page "${page}")
string(REPLACE "'@hold-hash@'" "${hold_hash}" page "${page}")
file(WRITE ${OUT} "${page}")
