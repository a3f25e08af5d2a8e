# Boost's headers without the rest of the host's include folder, for a build
# whose compiler must not see the host's other headers.
set(Boost_NO_BOOST_CMAKE ON)
set(BOOST_HEADERS ${CMAKE_BINARY_DIR}/boost-headers)
file(MAKE_DIRECTORY ${BOOST_HEADERS})
file(CREATE_LINK /usr/include/boost ${BOOST_HEADERS}/boost SYMBOLIC)
set(Boost_INCLUDE_DIR ${BOOST_HEADERS} CACHE PATH "Boost's headers, alone")
