#!/usr/bin/perl
# Writes the notices of the third-party code inside the Qt files we ship,
# taken from Qt's own attribution files and from the record its build left of
# what went into each library (scripts/windows-qt.sh keeps both).
#   qt-notices.pl NOTICES_DIR OUTPUT SHIPPED_FILE...
# SHIPPED_FILE names a file of Qt's build (Qt6Gui.dll, qwindows.dll, ...). An
# attribution counts when any file it covers went into one of them, whether
# compiled on its own or #included.
use strict;
use warnings;
use File::Basename qw(basename dirname);
use FindBin;
use lib $FindBin::Bin;
use QtAttributions;

my ($notices, $output, @shipped) = @ARGV;
die "usage: qt-notices.pl NOTICES_DIR OUTPUT SHIPPED_FILE...\n" unless @shipped;

# The lines of a file, or of what a command (a list, no shell) prints.
sub read_lines {
    my @command = @_ > 1 ? @_ : ('cat', @_);
    open my $in, '-|', @command or die "@command: $!\n";
    my @lines = <$in>;
    close $in or die "@command failed\n";
    chomp @lines;
    return @lines;
}

# Collapses "a/b/../c" and "./a" into "a/c" and "a".
sub normal_path {
    my @parts;
    for (split m{/}, shift) {
        next if $_ eq '' || $_ eq '.';
        if ($_ eq '..') { pop @parts } else { push @parts, $_ }
    }
    return join '/', @parts;
}

my %source;
for (read_lines("$notices/source.txt")) {
    my ($key, $value) = split / /, $_, 2;
    push @{ $source{$key} }, $value;
}
my $root = $source{'source-root'}[0] or die "$notices/source.txt names no source root\n";
-f "$notices/deps.txt.gz"
    or die "$notices holds no record of the files Qt was compiled from: "
    . "remove the Qt folder above it and run scripts/windows again to rebuild it.\n";

# The build's statements: what each output is made by, and from what.
my (%rule, %inputs);
{
    my $statement = '';
    for my $line (read_lines('gzip', '-dc', "$notices/build.ninja.gz")) {
        if ($line =~ s/\$$//) { $statement .= $line; next }
        $statement .= $line;
        if ($statement =~ /^build (.*?)(?<!\$): (\S+)(.*)$/) {
            my ($outs, $rule, $ins) = ($1, $2, $3);
            $ins =~ s/ \|\| .*//;
            $ins =~ s/ \| / /;
            my @ins = map { s/\$(.)/$1/gr } ($ins =~ /((?:\$.|[^ ])+)/g);
            for my $out (map { s/\$(.)/$1/gr } ($outs =~ /((?:\$.|[^ |])+)/g)) {
                $rule{$out} = $rule;
                $inputs{$out} = \@ins;
            }
        }
        $statement = '';
    }
}

# Every object inside a shipped file: its own, and those of the static
# libraries it links (Qt's bundled third-party libraries are such).
my %objects_of;
for my $file (@shipped) {
    my @outputs = grep { basename($_) eq $file && $rule{$_} =~ /_LINKER__/ } keys %rule;
    die "Qt's build record has no $file\n" unless @outputs;
    my @todo = @outputs;
    my %seen;
    while (defined(my $out = shift @todo)) {
        next if $seen{$out}++;
        for my $in (@{ $inputs{$out} }) {
            my $rule = $rule{$in} // '';
            if ($rule =~ /_COMPILER__/) {
                $objects_of{$in}{$file} = 1;
            } elsif ($rule =~ /_STATIC_LIBRARY_LINKER__/) {
                push @todo, $in;
            }
        }
    }
}

# Every file of the source that went into each shipped file.
my %used_by;
{
    my $files;
    for (read_lines('gzip', '-dc', "$notices/deps.txt.gz")) {
        if (/^(\S.*): #deps/) {
            $files = $objects_of{$1};
        } elsif ($files && /^\s+\Q$root\E\/(.*)$/) {
            $used_by{ normal_path($1) }{$_} = 1 for keys %$files;
        }
    }
}
die "Qt's dependency record names none of its source files\n" unless %used_by;

# Attribution entries, each with the files it covers.
my @attributions = grep { /qt_attribution\.json$/ }
    read_lines("$notices/attribution-files.txt");
my @notices;
for my $attribution (@attributions) {
    my $dir = normal_path(dirname($attribution));
    for my $entry (QtAttributions::entries("$notices/attributions", $attribution)) {
        my $base = normal_path($dir . '/' . ($entry->{Path} // ''));
        my @covered = $entry->{Files}
            ? map { normal_path("$base/$_") } split ' ', $entry->{Files}
            : ($base);
        my %in;
        for my $path (keys %used_by) {
            next unless grep { $path eq $_ || index($path, "$_/") == 0 } @covered;
            $in{$_} = 1 for keys %{ $used_by{$path} };
        }
        push @notices, { %$entry, In => [sort keys %in] } if %in;
    }
}

open my $out, '>:utf8', $output or die "$output: $!\n";
print $out <<"HEAD";
Third-party code inside the Qt files of this program
====================================================

Qt's own code is licensed under the GNU Lesser General Public License version 3
(LGPL-3.0.txt beside this file, which builds on GPL-3.0.txt). The Qt files of
this program also hold code by others, listed below with its licence. The list
comes from Qt's attribution files, for the parts that went into these files:
@{[join ', ', @shipped]}.
Where the Qt source of these files comes from: Sources.txt.

HEAD
for my $notice (sort { lc $a->{Name} cmp lc $b->{Name} } @notices) {
    print $out '-' x 78, "\n";
    print $out "$notice->{Name}", ($notice->{Version} ? " $notice->{Version}" : ''), "\n";
    print $out "In: @{ $notice->{In} }\n";
    print $out "Homepage: $notice->{Homepage}\n" if $notice->{Homepage};
    print $out "Licence: $notice->{License}", ($notice->{LicenseId} ? " ($notice->{LicenseId})" : ''), "\n";
    print $out "$notice->{Copyright}\n" if $notice->{Copyright};
    for my $file (@{ $notice->{LicenceTexts} }) {
        my $path = "$notices/attributions/$file";
        open my $in, '<:utf8', $path or die "The licence $file named by Qt's attribution files is missing\n";
        print $out "\n", do { local $/; <$in> };
    }
    print $out "\n";
}
close $out or die "$output: $!\n";
print STDERR scalar(@notices), " notices for Qt's files\n";
