# The product's description, written once in data/description.txt: the first line is the
# summary, the paragraphs after it the description. The Debian package (Packaging.cmake), the
# AppStream metainfo (data/desktop) and the manual page fretwise(1) (through the generated
# header fretwise/description.hpp) all take it from here.
set(description_file ${PROJECT_SOURCE_DIR}/data/description.txt)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${description_file})
file(READ ${description_file} text)
string(FIND "${text}" "\n" end)
string(SUBSTRING "${text}" 0 ${end} FRETWISE_SUMMARY)
string(SUBSTRING "${text}" ${end} -1 FRETWISE_DESCRIPTION)
string(STRIP "${FRETWISE_DESCRIPTION}" FRETWISE_DESCRIPTION)

# AppStream: a capitalised summary, and each paragraph a <p> element of escaped text.
string(SUBSTRING "${FRETWISE_SUMMARY}" 0 1 first)
string(SUBSTRING "${FRETWISE_SUMMARY}" 1 -1 rest)
string(TOUPPER "${first}" first)
set(FRETWISE_METAINFO_SUMMARY "${first}${rest}")
string(REPLACE "&" "&amp;" xml "${FRETWISE_DESCRIPTION}")
string(REPLACE "<" "&lt;" xml "${xml}")
string(REPLACE ">" "&gt;" xml "${xml}")
string(REPLACE "\n" "\n      " xml "${xml}")
string(REPLACE "\n      \n" "\n    </p>\n    <p>\n" xml "${xml}")
set(FRETWISE_METAINFO_DESCRIPTION "    <p>\n      ${xml}\n    </p>")

configure_file(${PROJECT_SOURCE_DIR}/cmake/description.hpp.in
               ${PROJECT_BINARY_DIR}/generated/fretwise/description.hpp @ONLY)
