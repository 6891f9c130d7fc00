# Writes the site's service worker (sw.js from sw.js.in): the list of the
# site's files, and a digest of their contents that names its cache.
#   cmake -DSITE=… -DTEMPLATE=… -P site.cmake
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
set(list "'./'")
foreach(name IN LISTS files)
    file(SHA256 ${SITE}/${name} digest)
    string(APPEND digests "${name} ${digest}\n")
    string(APPEND list ", '${name}'")
endforeach()
string(SHA256 whole "${digests}")
string(SUBSTRING ${whole} 0 16 VELKORN_SITE_DIGEST)
set(VELKORN_SITE_FILES ${list})
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
