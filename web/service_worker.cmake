# Writes the service worker from its template: the name of the set it keeps is a hash of the
# site's files and of the worker itself, so that a new build is a new set, and the same files give
# the same name; beside each file goes its SHA-256, which the worker checks when it keeps it.
#
#   cmake -DSITE=DIR -DTEMPLATE=sw.js -DOUT=DIR/sw.js -DFILES="a;b;..." -P service_worker.cmake
cmake_minimum_required(VERSION 3.20)
set(hashes "")
set(files "")
foreach(file IN LISTS FILES)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND hashes "${file} ${hash}\n")
    # The page is kept as the scope's root, which is how it is opened.
    if(file STREQUAL "index.html")
        set(file "./")
    endif()
    string(APPEND files "'${file}': '${hash}', ")
endforeach()
file(SHA256 ${TEMPLATE} hash)
string(APPEND hashes "sw.js ${hash}\n")
string(SHA256 version "${hashes}")
string(SUBSTRING ${version} 0 16 version)
string(REGEX REPLACE ", $" "" files "${files}")
file(READ ${TEMPLATE} worker)
string(REPLACE "@version@" "${version}" worker "${worker}")
string(REPLACE "@files@" "${files}" worker "${worker}")
file(WRITE ${OUT} "${worker}")
