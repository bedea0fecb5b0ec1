# The manual pages, and the copyright and changelog that Debian looks for in
# share/doc/quovale/. Compressed as Debian wants them: gzip -9n, with no file
# name or time stamp in the header, so that two builds give the same bytes.

set(quovale_doc_out ${CMAKE_BINARY_DIR}/doc)

# quovale_gzip(SOURCE OUTPUT): OUTPUT is SOURCE compressed.
function(quovale_gzip source output)
    get_filename_component(dir ${output} DIRECTORY)
    string(REGEX REPLACE "\\.gz$" "" plain ${output})
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
        COMMAND gzip -9nf ${plain}
        DEPENDS ${source}
        VERBATIM)
endfunction()

quovale_gzip(${PROJECT_SOURCE_DIR}/docs/man/quovale.1 ${quovale_doc_out}/man/quovale.1.gz)
quovale_gzip(${PROJECT_SOURCE_DIR}/docs/man/fr/quovale.1 ${quovale_doc_out}/man/fr/quovale.1.gz)
quovale_gzip(${PROJECT_SOURCE_DIR}/resources/debian/changelog ${quovale_doc_out}/changelog.Debian.gz)
add_custom_target(quovale_docs ALL DEPENDS
    ${quovale_doc_out}/man/quovale.1.gz
    ${quovale_doc_out}/man/fr/quovale.1.gz
    ${quovale_doc_out}/changelog.Debian.gz)

install(FILES ${quovale_doc_out}/man/quovale.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${quovale_doc_out}/man/fr/quovale.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man1)
install(FILES
    ${PROJECT_SOURCE_DIR}/resources/debian/copyright
    ${quovale_doc_out}/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME quovale)
