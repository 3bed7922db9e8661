# cpack -G DEB: a Debian package of what `cmake --install` puts in place.
# Configure with -DCMAKE_INSTALL_PREFIX=/usr so that the manual page names the
# folders the package installs to.
set(CPACK_PACKAGE_NAME velto)
set(CPACK_PACKAGE_VENDOR "Velto")
set(CPACK_PACKAGE_CONTACT "Velto developers <velto@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "skinnable media player with a small window")
set(CPACK_PACKAGE_DESCRIPTION
  "Velto plays a playlist of MP3 files and anything else GStreamer can open:
other audio, MIDI, module music, video, animations, CD tracks and pictures.
Its small main window is drawn entirely from a skin's bitmaps; two skins
come with it. Crossfade, shuffle, repeat, intro and A-B repeat, covers,
ID3v1 tags, an Auto On/Off schedule, a snooze timer and MPRIS control.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELTO_HOMEPAGE})
# The libraries the program and its modules link to (readelf -d, dpkg -S), the GStreamer
# plugins that play MP3, MIDI (fluidsynth), modules (openmpt), FLI, CD audio
# and video (libav), a General MIDI soundfont for fluidsynth, and the fonts
# the shipped skins name.
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6 (>= 2.34)"
  "libstdc++6 (>= 12)"
  "libgcc-s1"
  "libqt6core6 (>= 6.4)"
  "libqt6gui6 (>= 6.4)"
  "libqt6widgets6 (>= 6.4)"
  "libqt6dbus6 (>= 6.4)"
  "libqt6printsupport6 (>= 6.4)"
  "libgstreamer1.0-0 (>= 1.22)"
  "gstreamer1.0-plugins-base"
  "gstreamer1.0-plugins-good"
  "gstreamer1.0-plugins-bad"
  "gstreamer1.0-plugins-ugly"
  "gstreamer1.0-libav"
  "timgm6mb-soundfont | sf2-soundfont-gm"
  "libtag1v5-vanilla (>= 1.13)"
  "libglib2.0-0"
  "fonts-dejavu-core")
# Video in a window, and PulseAudio/PipeWire output for autoaudiosink.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-x, gstreamer1.0-pulseaudio")
# The System mixer button starts one of these.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pavucontrol | pavucontrol-qt")
include(CPack)
