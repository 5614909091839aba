# Sourced by the scripts that start X servers: free_display FIRST prints the first display
# number from FIRST on that no server holds, neither by its socket nor by its lock file.
free_display() {
    local n=$1
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
        n=$((n + 1))
    done
    echo "$n"
}
