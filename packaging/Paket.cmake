# `make package`: a Debian package of everything `cmake --install` puts in place. Its
# dependencies are worked out from the program's libraries by dpkg-shlibdeps; the fonts
# are named by hand, as nothing links them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalmiro)
set(CPACK_PACKAGE_VENDOR "Kalmiro-Team")
set(CPACK_PACKAGE_CONTACT "Kalmiro-Team <kalmiro@kalmiro.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "practise calculating with times (German)")
# The summary becomes the synopsis line; CPack indents the rest as Debian wants it.
set(CPACK_PACKAGE_DESCRIPTION
    "Kalmiro is a German teaching program for school pupils: converting units of
time, adding, subtracting, multiplying and dividing times, points in time and
durations, time zones, and train and flight journeys. Every exercise checks
each answer at once, allows a second attempt and ends a series with an
evaluation. It can be used with the keyboard alone and with a screen reader.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KALMIRO_WEBADRESSE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
