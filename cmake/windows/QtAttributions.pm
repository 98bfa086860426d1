# Reads Qt's attribution files (qt_attribution.json): which third-party code
# lies where in Qt's source, under which licence, with which licence texts.
# Used where Qt is built (to keep those files) and where the notices are made.
package QtAttributions;
use strict;
use warnings;
use JSON::PP;
use File::Basename qw(dirname);
use File::Find;

# The entries of one attribution file, each with LicenceTexts: the licence
# files it names, as paths relative to the source root (like $path itself).
sub entries {
    my ($root, $path) = @_;
    open my $in, '<', "$root/$path" or die "$root/$path: $!\n";
    my $data = JSON::PP->new->loose->relaxed->decode(do { local $/; <$in> });
    my $dir = dirname($path);
    return map {
        my @texts = map { ref $_ ? @$_ : $_ } grep { defined } @{$_}{qw(LicenseFile LicenseFiles)};
        +{ %$_, LicenceTexts => [map { "$dir/$_" } @texts] };
    } ref $data eq 'ARRAY' ? @$data : ($data);
}

# Every attribution file under $root (Debian's own folder left out), each
# followed by the licence files it names.
sub files_to_keep {
    my ($root) = @_;
    my @attributions;
    find({ no_chdir => 1, wanted => sub {
        if (-d && m{/\.debian$}) { $File::Find::prune = 1; return }
        push @attributions, substr($_, length($root) + 1) if m{/qt_attribution\.json$};
    } }, $root);
    return map { ($_, map { @{ $_->{LicenceTexts} } } entries($root, $_)) } sort @attributions;
}

1;
