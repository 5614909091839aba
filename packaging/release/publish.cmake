# Moves the package (a ZIP or a .deb) that CPack made in FROM to PACKAGE and writes
# PACKAGE.sha256 beside it in sha256sum's format ("<hex digest>  <file name>"), so
# `sha256sum -c` checks it.
get_filename_component(name ${PACKAGE} NAME)
file(COPY_FILE ${FROM}/${name} ${PACKAGE} ONLY_IF_DIFFERENT)
file(SHA256 ${PACKAGE} digest)
file(WRITE ${PACKAGE}.sha256 "${digest}  ${name}\n")
