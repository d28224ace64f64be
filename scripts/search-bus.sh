# Sourced by the search provider's check and benchmark. search_bus BUILD_DIR installs the build
# into a fresh temporary prefix ($prefix) and writes $prefix/session.conf: a private session bus
# whose services are the prefix's first (so the provider is reached through its installed
# service file) and then the desktop's own (the accessibility bus).
search_bus() {
  prefix=$(mktemp -d)
  cmake --install "$1" --prefix "$prefix" >/dev/null
  cat > "$prefix/session.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$prefix</listen>
  <servicedir>$prefix/share/dbus-1/services</servicedir>
  <standard_session_servicedirs/>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
}
