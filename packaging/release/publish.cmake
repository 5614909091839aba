# Writes PACKAGE.sha256 beside PACKAGE in sha256sum's format ("<hex digest>  <file name>"), so
# `sha256sum -c` checks it. With FROM, first moves the package (a ZIP or a .deb) that CPack
# made in FROM to PACKAGE.
get_filename_component(name ${PACKAGE} NAME)
if(DEFINED FROM)
    file(COPY_FILE ${FROM}/${name} ${PACKAGE} ONLY_IF_DIFFERENT)
endif()
file(SHA256 ${PACKAGE} digest)
file(WRITE ${PACKAGE}.sha256 "${digest}  ${name}\n")
