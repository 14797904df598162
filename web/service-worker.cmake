# Writes SITE/service-worker.js from TEMPLATE: each of the site's FILES with the
# SHA-256 of its contents, which the worker checks every file it keeps against,
# and a hash of them all, so that every new build is a new worker.
set(hashes)
set(entries)
foreach(file ${FILES})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND hashes ${hash})
  list(APPEND entries "'${file}': '${hash}'")
  # The page itself is asked for by its folder's address too.
  if(file STREQUAL "index.html")
    list(PREPEND entries "'./': '${hash}'")
  endif()
endforeach()
string(SHA256 BANKNOTES_SITE_HASH "${hashes}")
string(SUBSTRING ${BANKNOTES_SITE_HASH} 0 16 BANKNOTES_SITE_HASH)
list(JOIN entries ",\n  " BANKNOTES_SITE_FILES)
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)
