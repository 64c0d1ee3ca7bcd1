# A school's server of our own, sourced by the scripts that need one: an account, a real
# sshd for it on 127.0.0.1 (a free port), and sshfs mounts of its folders, as
# workstations mount pupils' folders. The caller sets `account` and `work` (a folder
# that it removes) and defines `fail`, and may set `also_served` to more accounts of its
# own that the server lets in; close_school_server undoes everything.

mounts=()
sshd_pid=
port=

close_school_server() {
  for mount in "${mounts[@]}"; do fusermount3 -u -z "$mount" 2>/dev/null || true; done
  [ -z "$sshd_pid" ] || kill "$sshd_pid" 2>/dev/null || true
  # The server's processes for the account, held or not, end with their connections.
  for pid in $(pgrep -u "$account" 2>/dev/null); do kill -CONT "$pid"; kill "$pid"; done 2>/dev/null || true
  sleep 0.2
  userdel "$account" 2>/dev/null || true
}

open_school_server() {
  chmod 755 "$work"
  useradd --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin --user-group "$account"
  # No password, but not locked: sshd lets a locked account in by no key.
  usermod -p "*" "$account"
  ssh-keygen -q -t ed25519 -N '' -f "$work/host_key"
  ssh-keygen -q -t ed25519 -N '' -f "$work/client_key"
  cp "$work/client_key.pub" "$work/authorized_keys"
  start_sshd
}

# Starts the server's sshd; arguments go to its SFTP server (-R: a share that takes nothing).
start_sshd() {
  mkdir -p /run/sshd
  # A free port: the first one that this sshd manages to listen on.
  for port in $(shuf -i 20000-60000 -n 20); do
    cat >"$work/sshd_config" <<CONFIG
ListenAddress 127.0.0.1
Port $port
HostKey $work/host_key
AuthorizedKeysFile $work/authorized_keys
StrictModes no
UsePAM no
PasswordAuthentication no
KbdInteractiveAuthentication no
AllowUsers $account ${also_served:-}
Subsystem sftp internal-sftp $*
CONFIG
    /usr/sbin/sshd -D -f "$work/sshd_config" -E "$work/sshd.log" &
    sshd_pid=$!
    for _ in $(seq 50); do
      if ss -ltn "sport = :$port" | grep -q LISTEN; then return 0; fi
      kill -0 "$sshd_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$sshd_pid" 2>/dev/null || true
    sshd_pid=
  done
  fail "no sshd could be started"
}

# Sets `mount_command` to the sshfs command that mounts the server's folder $1 at $2, as a
# workstation mounts it, for the account $3 (the server's own account without it); the
# folder for the mount is made.
make_mount_command() {
  mkdir -p "$2"
  mount_command=(sshfs -o "port=$port,IdentityFile=$work/client_key,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null"
                 -o allow_other,LogLevel=ERROR "${3:-$account}@127.0.0.1:$1" "$2")
}
