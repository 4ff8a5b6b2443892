# Writes the page with the hashes of its style sheet and of its one inline script where its content
# security policy names them (@style-hash@, @script-hash@), so that the browser runs and applies
# those and no other inline script or style.
#
#   cmake -DPAGE=written/index.html -DOUT=site/index.html -P style_hash.cmake
cmake_minimum_required(VERSION 3.20)
file(READ ${PAGE} page)

# The SHA-256 of what the page holds between open and close, as the policy writes it: the 32
# bytes in base64, ten groups of three bytes, then two bytes and a pad.
function(policy_hash open close out)
    string(FIND "${page}" "${open}" start)
    string(FIND "${page}" "${close}" end)
    string(LENGTH "${open}" skip)
    math(EXPR start "${start} + ${skip}")
    math(EXPR length "${end} - ${start}")
    string(SUBSTRING "${page}" ${start} ${length} text)
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
    set(${out} "sha256-${base64}=" PARENT_SCOPE)
endfunction()

policy_hash("<style>" "</style>" style)
policy_hash("<script>" "</script>" script)
string(REPLACE "@style-hash@" "${style}" page "${page}")
string(REPLACE "@script-hash@" "${script}" page "${page}")
file(WRITE ${OUT} "${page}")
