# Installs libdialix for other programs: the library, its public headers and a
# CMake package, so that a Qt program says find_package(Dialix) and links
# Dialix::dialix.
include(CMakePackageConfigHelpers)

set(DIALIX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Dialix)

install(TARGETS dialix EXPORT DialixTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/include/dialix
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT DialixTargets NAMESPACE Dialix:: DESTINATION ${DIALIX_CMAKE_DIR})

configure_package_config_file(DialixConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/DialixConfig.cmake
  INSTALL_DESTINATION ${DIALIX_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/DialixConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/DialixConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/DialixConfigVersion.cmake
  DESTINATION ${DIALIX_CMAKE_DIR})
