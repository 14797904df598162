# Writes SITE/service-worker.js from TEMPLATE: the list FILES of the site's files,
# and a hash of their contents, so that every new build is a new worker.
set(hashes)
set(names)
foreach(file ${FILES})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND hashes ${hash})
  list(APPEND names "'${file}'")
endforeach()
string(SHA256 BANKNOTES_SITE_HASH "${hashes}")
string(SUBSTRING ${BANKNOTES_SITE_HASH} 0 16 BANKNOTES_SITE_HASH)
# The page itself is asked for by its folder's address too.
list(PREPEND names "'./'")
list(JOIN names ", " BANKNOTES_SITE_FILES)
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)
