#!/usr/bin/perl
# Writes the bill of materials of the Windows packages, an SPDX 2.3 JSON
# document, from the table of shipped files and the program folder: a package
# for each component (this program, Qt, each Debian package) with its version,
# licence and source, each holding its files with their checksums.
#   spdx-document.pl TABLE PROGRAM_FOLDER NAME SECONDS_SINCE_1970 NAMESPACE CREATOR OUTPUT
use strict;
use warnings;
use JSON::PP;
use Digest::SHA;
use POSIX qw(strftime);

my ($table, $folder, $name, $time, $namespace, $creator, $output) = @ARGV;
die "usage: spdx-document.pl TABLE FOLDER NAME SECONDS NAMESPACE CREATOR OUTPUT\n" unless $output;

sub digest {
    my ($algorithm, $path) = @_;
    return Digest::SHA->new($algorithm)->addfile($path, 'b')->hexdigest;
}

open my $rows, '<', $table or die "$table: $!\n";
<$rows>;
my (@components, %component, @files);
while (my $row = <$rows>) {
    chomp $row;
    my ($path, $component, $version, $licence, $source) = split /\t/, $row;
    my $key = "$component $version";
    unless ($component{$key}) {
        push @components, $key;
        $component{$key} = {
            SPDXID => 'SPDXRef-Package-' . scalar(@components),
            name => $component, versionInfo => $version, licenseDeclared => $licence,
            licenseConcluded => 'NOASSERTION', copyrightText => 'NOASSERTION',
            downloadLocation => 'NOASSERTION', sourceInfo => $source,
            filesAnalyzed => JSON::PP::true, hasFiles => [], sha1s => [],
        };
    }
    my $file = "$folder/$path";
    -f $file or die "$path is in $table but not in $folder\n";
    my $sha1 = digest(1, $file);
    my $id = 'SPDXRef-File-' . (scalar(@files) + 1);
    push @files, {
        SPDXID => $id, fileName => "./$path",
        checksums => [{ algorithm => 'SHA1', checksumValue => $sha1 },
                      { algorithm => 'SHA256', checksumValue => digest(256, $file) }],
        licenseConcluded => 'NOASSERTION', copyrightText => 'NOASSERTION',
    };
    push @{ $component{$key}{hasFiles} }, $id;
    push @{ $component{$key}{sha1s} }, $sha1;
}

# SPDX's verification code: the SHA1 of the package's sorted file SHA1s.
my @packages = map {
    my $package = $component{$_};
    my $sha1s = delete $package->{sha1s};
    $package->{packageVerificationCode} =
        { packageVerificationCodeValue => Digest::SHA::sha1_hex(join '', sort @$sha1s) };
    $package;
} @components;
my $content = Digest::SHA::sha256_hex(map { $_->{checksums}[1]{checksumValue} } @files);
my $document = {
    spdxVersion => 'SPDX-2.3',
    dataLicense => 'CC0-1.0',
    SPDXID => 'SPDXRef-DOCUMENT',
    name => $name,
    documentNamespace => "$namespace/$name-" . substr($content, 0, 32),
    creationInfo => {
        created => strftime('%Y-%m-%dT%H:%M:%SZ', gmtime $time),
        creators => ["Organization: $creator", 'Tool: spdx-document.pl'],
    },
    documentDescribes => [map { $_->{SPDXID} } @packages],
    packages => \@packages,
    files => \@files,
};
open my $out, '>', $output or die "$output: $!\n";
print $out JSON::PP->new->canonical->pretty->encode($document);
close $out or die "$output: $!\n";
